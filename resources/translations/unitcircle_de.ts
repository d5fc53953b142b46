<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Core</name>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Choosen Formula</source>
        <translation>Gewählte Formel</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umstellen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Calculate Verb</source>
        <translation>Berechne</translation>
    </message>
    <message>
        <source>Full circles</source>
        <translation>Volle Umdrehungen</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Quadrant</source>
        <translation>Quadrant</translation>
    </message>
    <message>
        <source>Your Input</source>
        <comment>The input title in solution view</comment>
        <translation>Deine Eingabe</translation>
    </message>
    <message>
        <source>Modified Input</source>
        <translation>Umgeformte Eingabe</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Erweitern</translation>
    </message>
    <message>
        <source>Cancel (math)</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>notEnoughInputValues</source>
        <translation>Gib einen Wert ein: den Winkel α oder die Bogenlänge b.</translation>
    </message>
    <message>
        <source>inputParameterError</source>
        <translation>Erlaubt: Ziffern, ein „.“, ein „/“ und π oder e am Zahlende.</translation>
    </message>
    <message>
        <source>fractionIncomplete</source>
        <translation>Bruch unvollständig: Über und unter „/“ gehört eine Zahl.</translation>
    </message>
    <message>
        <source>inputZeroInDenominator</source>
        <translation>Der Nenner darf nicht 0 sein: Durch null teilt man nicht.</translation>
    </message>
    <message>
        <source>toManyNaturalConstantsInSubstring</source>
        <translation>Höchstens ein π oder e über und eins unter dem „/“.</translation>
    </message>
    <message>
        <source>toManyVariablesInSubstring</source>
        <translation>Höchstens eine Variable über und eine unter dem „/“.</translation>
    </message>
    <message>
        <source>naturalConstantInWrongPositionOfSubstring</source>
        <translation>π oder e gehört ans Zahlende, etwa 2π oder π/4.</translation>
    </message>
    <message>
        <source>valueOutOfRange</source>
        <translation>Zu groß zum Rechnen: Bitte gib eine kleinere Zahl ein.</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>oppositionError</source>
        <translation>Diese Werte widersprechen sich. Prüfe deine Eingabe.</translation>
    </message>
    <message>
        <source>mustBeBiggerThanXAndLessThanY</source>
        <translation>Der Wert muss größer als %0 und kleiner als %1 sein.</translation>
    </message>
    <message>
        <source>mustBeGreatherThanX</source>
        <translation>Der Wert muss größer als %0 sein.</translation>
    </message>
    <message>
        <source>mustBeLessThanX</source>
        <translation>Der Wert muss kleiner als %0 sein.</translation>
    </message>
    <message>
        <source>historyNoFile</source>
        <translation>Unter %0 gibt es keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>historyCannotRead</source>
        <translation>Die Einstellungsdatei %0 lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>historySkippedLines</source>
        <translation>%0 unlesbare Zeilen der Einstellungsdatei wurden übersprungen.</translation>
    </message>
    <message>
        <source>historyDamaged</source>
        <translation>Die Einstellungsdatei %0 ist beschädigt (%1); alle lesbaren Einträge sind aufgeführt.</translation>
    </message>
    <message>
        <source>historyForeign</source>
        <translation>Die Einstellungsdatei %0 gehört zu einem anderen Programm.</translation>
    </message>
    <message>
        <source>exactValues</source>
        <translation>Exakte Werte</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>referenceAngle</source>
        <translation>Bezugswinkel</translation>
    </message>
    <message>
        <source>quadrant</source>
        <translation>Quadrant</translation>
    </message>
    <message>
        <source>onPositiveXAxis</source>
        <translation>auf der positiven x-Achse</translation>
    </message>
    <message>
        <source>onPositiveYAxis</source>
        <translation>auf der positiven y-Achse</translation>
    </message>
    <message>
        <source>onNegativeXAxis</source>
        <translation>auf der negativen x-Achse</translation>
    </message>
    <message>
        <source>onNegativeYAxis</source>
        <translation>auf der negativen y-Achse</translation>
    </message>
    <message>
        <source>practicePromptDegreesToRadians</source>
        <translation>Schreibe im Bogenmaß: α =</translation>
    </message>
    <message>
        <source>practicePromptRadiansToDegrees</source>
        <translation>Schreibe in Grad: b =</translation>
    </message>
    <message>
        <source>practicePromptSin</source>
        <translation>Gib sin α exakt an für α =</translation>
    </message>
    <message>
        <source>practicePromptCos</source>
        <translation>Gib cos α exakt an für α =</translation>
    </message>
    <message>
        <source>practicePromptTan</source>
        <translation>Gib tan α exakt an für α =</translation>
    </message>
    <message>
        <source>practicePromptReferenceAngle</source>
        <translation>Bezugswinkel von α =</translation>
    </message>
    <message>
        <source>practicePromptQuadrant</source>
        <translation>Quadrant von α =</translation>
    </message>
    <message>
        <source>practicePromptInverseSin</source>
        <translation>Jedes α in [0°, 360°) mit sin α =</translation>
    </message>
    <message>
        <source>practicePromptInverseCos</source>
        <translation>Jedes α in [0°, 360°) mit cos α =</translation>
    </message>
    <message>
        <source>practicePromptInverseTan</source>
        <translation>Jedes α in [0°, 360°) mit tan α =</translation>
    </message>
    <message>
        <source>practiceCorrect</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>practiceWrong</source>
        <translation>Nicht richtig: weiter zur nächsten.</translation>
    </message>
    <message>
        <source>practiceClose</source>
        <translation>Fast: gib den exakten Wert an.</translation>
    </message>
    <message>
        <source>practiceGiveRadians</source>
        <translation>Gib den Winkel im Bogenmaß an, mit π.</translation>
    </message>
    <message>
        <source>practiceGiveDegrees</source>
        <translation>Gib den Winkel in Grad an.</translation>
    </message>
    <message>
        <source>practiceMarkDegrees</source>
        <translation>Ohne ° ist eine Zahl hier im Bogenmaß: schreib ° für Grad dazu oder gib den Winkel mit π an.</translation>
    </message>
    <message>
        <source>practiceAngleRange</source>
        <translation>Gib die Winkel von 0° bis unter 360° an.</translation>
    </message>
    <message>
        <source>practiceIncomplete</source>
        <translation>Richtig bis hier: es gibt noch mehr Winkel.</translation>
    </message>
    <message>
        <source>practiceEmptyAnswer</source>
        <translation>Gib zuerst eine Antwort ein.</translation>
    </message>
    <message>
        <source>practiceAnswerUnreadable</source>
        <translation>Erlaubt: Ziffern, „.“, „/“, „+“, „−“, √, π, Klammern und ° am Ende; mehrere Antworten mit „;“ trennen.</translation>
    </message>
    <message>
        <source>exploreValueUnreadable</source>
        <translation>Gib eine Zahl ein, etwa 1/2, √3/2 oder -0,75.</translation>
    </message>
    <message>
        <source>practiceRootOfNegative</source>
        <translation>Keine Wurzel aus einer negativen Zahl.</translation>
    </message>
    <message>
        <source>practiceUndefined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>practiceNoSolution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>practiceWorksheet</source>
        <translation>Arbeitsblatt %0, Stufe %1</translation>
    </message>
    <message>
        <source>practiceAnswerKey</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>practiceWebAddress</source>
        <translation>Dieselben Aufgaben in der Web-Ausgabe: %0</translation>
    </message>
    <message>
        <source>practicePdfCannotWrite</source>
        <translation>Das Arbeitsblatt lässt sich nicht nach %0 schreiben: %1</translation>
    </message>
    <message>
        <source>practiceSessionOver</source>
        <translation>Diese Übung ist zu Ende.</translation>
    </message>
    <message>
        <source>solutionPdfTitle</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>solutionPdfCannotWrite</source>
        <translation>Die Lösung lässt sich nicht nach %0 schreiben: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>appName</source>
        <translation>Einheitskreis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>appNotLoaded</source>
        <translation>Die App konnte nicht geladen werden. Prüfe deine Internetverbindung und lade die Seite neu.</translation>
    </message>
</context>
<context>
    <name>CalculateView</name>
    <message>
        <source>Fill in your given numbers:</source>
        <translation>Trage den Wert ein, den du kennst:</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>Pagebar title for main calculate view</comment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Calculate Title</source>
        <comment>Toolbar title for calculate view</comment>
        <translation>Einheitskreis</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>calculatorNotAnswering</source>
        <translation>Der Rechner hat nicht geantwortet. Deine Eingabe ist in Ordnung: Tippe auf Berechnen, um es noch einmal zu versuchen.</translation>
    </message>
</context>
<context>
    <name>SolutionView</name>
    <message>
        <source>backToStep</source>
        <comment>Button over the result list that scrolls back to the marked step</comment>
        <translation>Zurück zu Schritt %1</translation>
    </message>
    <message>
        <source>Result</source>
        <comment>Pagebar title for result view</comment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Calculate Title</source>
        <comment>Toolbar title for calculate view</comment>
        <translation>Einheitskreis</translation>
    </message>
    <message>
        <source>sharingImageQualityTitle</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>sharingImageQualityText</source>
        <translation>Die Lösung wird als ein langes Bild geteilt. Manche Apps verkleinern lange Bilder, dort kann es daher unschärfer aussehen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>shareSaved</source>
        <translation>Die Lösung wurde als %1 gespeichert und in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>shareCopiedNotSaved</source>
        <translation>Die Lösung wurde in die Zwischenablage kopiert, konnte aber nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>shareFileName</source>
        <comment>File name of the downloaded picture of a solution; %1 is the date and time</comment>
        <translation>Einheitskreis-Lösung-%1.png</translation>
    </message>
    <message>
        <source>sharePictureFailed</source>
        <translation>Das Bild der Lösung konnte nicht erstellt werden. Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>shareFailed</source>
        <translation>Die Lösung konnte weder geteilt noch heruntergeladen werden. Bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>shareDownloaded</source>
        <translation>Die Lösung wurde als Bild %1 heruntergeladen.</translation>
    </message>
    <message>
        <source>shareDownloadedInstead</source>
        <translation>Teilen hat nicht geklappt, daher wurde die Lösung als Bild %1 heruntergeladen.</translation>
    </message>
    <message>
        <source>sharePictureReady</source>
        <translation>Das Bild der Lösung ist fertig.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <comment>Toolbar title for history view</comment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Clear History</source>
        <comment>Alert view title for clearing history</comment>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete your whole history?</source>
        <comment>Alert view message for clearing history</comment>
        <translation>Möchtest du wirklich deinen gesamten Verlauf löschen?</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>Alert view action -Clear- for clearing history</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Alert view action -Cancel- for clearing history</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Accessibility name of the delete button of a history row</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Incomplete entry</source>
        <comment>History row of a record without inputs</comment>
        <translation>Unvollständiger Eintrag</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Accessibility name of the history&apos;s edit button</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>No calculations yet</source>
        <comment>Title of the empty history</comment>
        <translation>Noch keine Berechnungen</translation>
    </message>
    <message>
        <source>Every calculation you make is kept here. Tap one to load it again.</source>
        <comment>Text of the empty history</comment>
        <translation>Jede Berechnung wird hier aufbewahrt. Tippe eine an, um sie wieder zu laden.</translation>
    </message>
    <message>
        <source>Calculation deleted</source>
        <comment>Message after a history row was deleted</comment>
        <translation>Berechnung gelöscht</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Button of the message after a history row was deleted: puts the row back</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>Accessibility name of the handle that moves a history row</comment>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>SideMenu</name>
    <message>
        <source>Calculate Title</source>
        <comment>Left Menu: navigate to calculation</comment>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>History</source>
        <comment>Left Menu: navigate to history</comment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Practice</source>
        <comment>Left Menu: navigate to practice</comment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>introduction</source>
        <comment>Left Menu: Introduction</comment>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>privacyPolicy</source>
        <comment>Left Menu: Privacy Policy</comment>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Discord</source>
        <comment>Discord</comment>
        <translation>Zur Community</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <comment>Left Menu: Rate this App</comment>
        <translation>App bewerten</translation>
    </message>
    <message>
        <source>Visit us:</source>
        <comment>Left Menu: Section Header: Contact</comment>
        <translation>Besuche uns:</translation>
    </message>
    <message>
        <source>All in one:</source>
        <comment>Left Menu: Section Header: Multi apps</comment>
        <translation>Alles in einer App:</translation>
    </message>
    <message>
        <source>Other apps:</source>
        <comment>Left Menu: Section Header: Single apps</comment>
        <translation>Weitere Apps:</translation>
    </message>
    <message>
        <source>noInternet</source>
        <comment>No internet</comment>
        <translation>Keine Internetverbindung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>onboardingA</source>
        <comment>onboardingA</comment>
        <translation>Willkommen bei §appname! Hier lernst du, wie Winkel und Bogenlänge am Einheitskreis zusammenhängen.</translation>
    </message>
    <message>
        <source>onboardingB</source>
        <comment>onboardingB</comment>
        <translation>Gib auf dem Tastenfeld entweder den Winkel α in Grad oder die Bogenlänge b ein. Brüche, Dezimalzahlen und π sind erlaubt, zum Beispiel 3π/4.</translation>
    </message>
    <message>
        <source>onboardingC</source>
        <comment>onboardingC</comment>
        <translation>Tippe auf das Häkchen: Du erhältst die andere Größe und dazu Sinus, Kosinus, Tangens und den Quadranten, Schritt für Schritt.</translation>
    </message>
    <message>
        <source>onboardingD</source>
        <comment>onboardingD</comment>
        <translation>Unter den Rechenschritten zeigen dir der Einheitskreis und die Graphen von Sinus und Kosinus dein Ergebnis.</translation>
    </message>
    <message>
        <source>onboardingE</source>
        <comment>onboardingE</comment>
        <translation>Jede Rechnung wird im Verlauf gespeichert. Öffne dort einen Eintrag, um seine Eingabe wieder zu laden.</translation>
    </message>
    <message>
        <source>onboardingYoutube1</source>
        <comment>onboardingYoutube1</comment>
        <translation>Unter der Lösung findest du Videos, die das Thema erklären.</translation>
    </message>
    <message>
        <source>onboardingYoutube2</source>
        <comment>onboardingYoutube2</comment>
        <translation>Die Videos stammen von einer externen Videoplattform. Bevor sie angezeigt werden, bitten wir um deine Einwilligung.</translation>
    </message>
    <message>
        <source>onboardingYoutube3</source>
        <comment>onboardingYoutube3</comment>
        <translation>Tippe auf „Zum Entsperren tippen“ und stimme zu, um die Videos anzuzeigen.</translation>
    </message>
    <message>
        <source>onboardingYoutube4</source>
        <comment>onboardingYoutube4</comment>
        <translation>Wische seitlich durch die Videos und tippe eines an, um es abzuspielen.</translation>
    </message>
    <message>
        <source>onboardingYoutube5</source>
        <comment>onboardingYoutube5</comment>
        <translation>Mit dem Schloss-Symbol kannst du deine Einwilligung jederzeit widerrufen.</translation>
    </message>
    <message>
        <source>next</source>
        <comment>Next</comment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>letsStart</source>
        <comment>Let's start</comment>
        <translation>Los geht's</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Consent</name>
    <message>
        <source>dsgvoTitlePro</source>
        <comment>Privacy Policy</comment>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>dsgvoTextPro</source>
        <translation>Diese App speichert deinen Rechenverlauf und deine Einstellungen nur auf diesem Gerät. Welche Funktionen du nutzt, wird in eine lokale Protokolldatei auf diesem Gerät geschrieben; sie wird nie versendet. Über eine verschlüsselte Verbindung lädt die App die Liste der empfohlenen Videos und der weiteren Apps des Herstellers, und bevor sie eine Webseite öffnet, prüft sie, ob das Internet erreichbar ist. Diese Anfragen übertragen nichts über dich außer dem, was jede Verbindung zeigt, etwa deine IP-Adresse. Sonst wird nichts gesendet. Videos stammen von YouTube und werden erst eingebettet, wenn du gesondert zustimmst.</translation>
    </message>
    <message>
        <source>dsgvoTextWeb</source>
        <comment>The privacy notice of the web edition</comment>
        <translation>Diese Seite speichert deinen Rechenverlauf, deinen Übungsstand und deine Einstellungen nur in diesem Browser; nichts davon wird irgendwohin gesendet. Die Seite und ihre Dateien kommen von dem Server, auf dem sie liegt; er sieht, was jede Verbindung zeigt, etwa deine IP-Adresse. Sonst wird nichts gesendet.</translation>
    </message>
    <message>
        <source>dsgvoAccept</source>
        <comment>Accept</comment>
        <translation>Akzeptieren</translation>
    </message>
    <message>
        <source>dsgvoYoutubeTitle</source>
        <comment>Youtube Privacy Policy</comment>
        <translation>Datenschutz bei Videos</translation>
    </message>
    <message>
        <source>dsgvoYoutubeText</source>
        <comment>Youtube Dsgvo Text</comment>
        <translation>Die empfohlenen Videos werden von YouTube eingebettet. Wenn du zustimmst, verbindet sich dein Gerät mit YouTube, um die Vorschaubilder zu zeigen und die Videos abzuspielen. YouTube kann dabei Daten wie deine IP-Adresse und die angesehenen Videos erhalten und Cookies auf deinem Gerät speichern. Du kannst deine Zustimmung jederzeit mit dem Schloss-Symbol widerrufen. Bist du einverstanden, dass die Videos angezeigt werden?</translation>
    </message>
    <message>
        <source>dsgvoDecline</source>
        <comment>Decline</comment>
        <translation>Ablehnen</translation>
    </message>
</context>
<context>
    <name>VideoStrip</name>
    <message>
        <source>recommendedVideoIfUnclear</source>
        <comment>Recommended video if unclear</comment>
        <translation>Noch unklar? Diese Videos helfen dir:</translation>
    </message>
    <message>
        <source>touchTounlock</source>
        <comment>Touch to unlock</comment>
        <translation>Zum Entsperren tippen</translation>
    </message>
    <message>
        <source>videoUnavailable</source>
        <translation>Dieses Video ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>videoLoading</source>
        <translation>Das Video wird geladen …</translation>
    </message>
    <message>
        <source>videoOffline</source>
        <translation>Das Video konnte nicht geladen werden. Prüfe deine Internetverbindung.</translation>
    </message>
    <message>
        <source>browserNotOpened</source>
        <translation>Das Video konnte nicht im Browser geöffnet werden.</translation>
    </message>
    <message>
        <source>playVideo</source>
        <translation>Video abspielen</translation>
    </message>
    <message>
        <source>closeVideo</source>
        <translation>Video schließen</translation>
    </message>
    <message>
        <source>tryAgain</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>videoConsent</source>
        <translation>Zustimmung für Videos</translation>
    </message>
    <message>
        <source>videoInstructions</source>
        <translation>So funktionieren die Videos</translation>
    </message>
</context>
<context>
    <name>ManualView</name>
    <message>
        <source>Assistance</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>closeManual</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>noHelpImage</source>
        <translation>Das Hilfebild konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>zoomIn</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>zoomOut</source>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Rate</source>
        <translation>Gefällt dir die App? Dann bewerte sie bitte!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Danke für deine Bewertung!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>noInternet</source>
        <comment>No internet</comment>
        <translation>Keine Internetverbindung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UnitCircleChartView</name>
    <message>
        <source>calculateAngle</source>
        <translation>%1 berechnen</translation>
    </message>
    <message>
        <source>Animate again</source>
        <translation>Erneut abspielen</translation>
    </message>
</context>
<context>
    <name>ChartTableViewCell</name>
    <message>
        <source>This graph is too long to draw: it repeats every 2π.</source>
        <translation>Dieser Graph ist zu lang zum Zeichnen: Er wiederholt sich alle 2π.</translation>
    </message>
</context>
<context>
    <name>ExactValues</name>
    <message>
        <source>didYouMean</source>
        <translation>Meintest du b = %1?</translation>
    </message>
</context>
<context>
    <name>ExploreView</name>
    <message>
        <source>Explore</source>
        <translation>Erkunden</translation>
    </message>
    <message>
        <source>exploreCircleName</source>
        <translation>Punkt auf dem Einheitskreis</translation>
    </message>
    <message>
        <source>exploreSnap</source>
        <translation>An besonderen Winkeln einrasten</translation>
    </message>
    <message>
        <source>exploreGraph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>exploreClearTrail</source>
        <translation>Spur löschen</translation>
    </message>
    <message>
        <source>exploreSharedAngles</source>
        <translation>Gleicher Bezugswinkel</translation>
    </message>
    <message>
        <source>exploreInverseTitle</source>
        <translation>Für welche α?</translation>
    </message>
    <message>
        <source>exploreInverseValue</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>exploreShowSolutions</source>
        <translation>Alle α zeigen</translation>
    </message>
    <message>
        <source>exploreClearInverse</source>
        <translation>Frage löschen</translation>
    </message>
    <message>
        <source>exploreNoSolution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>exploreSolutionsHeading</source>
        <translation>Alle α in [0°, 360°)</translation>
    </message>
    <message>
        <source>exploreSigns</source>
        <translation>Vorzeichen</translation>
    </message>
    <message>
        <source>exploreRadians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>exploreDegrees</source>
        <translation>Gradmaß</translation>
    </message>
</context>
<context>
    <name>TextScale</name>
    <message>
        <source>textSize</source>
        <translation>Textgröße %1 %</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>storeNotSavedTitle</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>storeNotKeptTitle</source>
        <translation>Verlauf wird nicht gespeichert</translation>
    </message>
    <message>
        <source>storeFull</source>
        <translation>Der Speicher ist voll.</translation>
    </message>
    <message>
        <source>storeReadOnly</source>
        <translation>Die Einstellungsdatei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>storeBusy</source>
        <translation>Ein anderes Fenster oder Programm hält die Einstellungsdatei zu lange gesperrt.</translation>
    </message>
    <message>
        <source>storeUnavailable</source>
        <translation>Die Einstellungsdatei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>storeNotWritable</source>
        <translation>Die Einstellungsdatei lässt sich nicht beschreiben.</translation>
    </message>
    <message>
        <source>calculationNotSaved</source>
        <translation>Die Rechnung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>deletionNotSaved</source>
        <translation>Der Eintrag wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>orderNotSaved</source>
        <translation>Die neue Reihenfolge wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>clearingNotSaved</source>
        <translation>Der Verlauf wurde nicht geleert.</translation>
    </message>
    <message>
        <source>changeNotSaved</source>
        <translation>Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>storeInMemoryOnly</source>
        <translation>Rechnungen und Einstellungen bleiben nur erhalten, bis die App geschlossen wird.</translation>
    </message>
    <message>
        <source>storeReadOnlyTitle</source>
        <translation>Verlauf ist schreibgeschützt</translation>
    </message>
    <message>
        <source>storeShownNotKept</source>
        <translation>Dein Verlauf wird angezeigt, doch neue Rechnungen und Einstellungen bleiben nur erhalten, bis die App geschlossen wird.</translation>
    </message>
    <message>
        <source>storeForeign</source>
        <translation>Die Einstellungsdatei gehört zu einem anderen Programm und bleibt unverändert.</translation>
    </message>
    <message>
        <source>storeCheckedTitle</source>
        <translation>Verlauf geprüft</translation>
    </message>
    <message>
        <source>storeLogSetAside</source>
        <translation>Eine Protokolldatei neben der Einstellungsdatei gehörte nicht zu ihr und wurde als %1 beiseitegelegt. Dein Verlauf ist vollständig.</translation>
    </message>
    <message>
        <source>storeRepairedTitle</source>
        <translation>Verlauf repariert</translation>
    </message>
    <message>
        <source>storeDamaged</source>
        <translation>Ein Teil der Einstellungsdatei war beschädigt.</translation>
    </message>
    <message>
        <source>storeSalvaged</source>
        <translation>Alle lesbaren Einträge wurden übernommen; die beschädigte Datei wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>storeDamagedTitle</source>
        <translation>Verlauf beschädigt</translation>
    </message>
    <message>
        <source>storeDamagedRead</source>
        <translation>Einträge im beschädigten Teil lassen sich nicht anzeigen; alle anderen werden angezeigt.</translation>
    </message>
    <message>
        <source>practiceResetTitle</source>
        <translation>Üben beginnt von vorn</translation>
    </message>
    <message>
        <source>practiceReset</source>
        <translation>Dein Übungsfortschritt ließ sich nicht lesen, deshalb beginnt das Üben von vorn.</translation>
    </message>
    <message>
        <source>practiceSetAside</source>
        <translation>Der unlesbare Fortschritt ist in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>storeBrowserFull</source>
        <translation>Der Speicher des Browsers für diese Seite ist voll.</translation>
    </message>
    <message>
        <source>storeBrowserRefused</source>
        <translation>Der Browser lässt diese Seite keine Daten speichern.</translation>
    </message>
    <message>
        <source>storeBrowserBusy</source>
        <translation>Ein anderer Tab blockiert die gespeicherten Daten dieser Seite.</translation>
    </message>
    <message>
        <source>storeBrowserFailed</source>
        <translation>Der Browser konnte die Daten nicht speichern.</translation>
    </message>
    <message>
        <source>storeBrowserDeleted</source>
        <translation>Die von dieser Seite gespeicherten Daten wurden gelöscht.</translation>
    </message>
    <message>
        <source>historyStartsAfresh</source>
        <translation>Der Verlauf beginnt von vorn.</translation>
    </message>
    <message>
        <source>practiceNotSaved</source>
        <translation>Dein Übungsfortschritt wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>PracticeView</name>
    <message>
        <source>Question %1 of %2</source>
        <comment>Progress through a practice</comment>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Name of the answer field</comment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Your answer</source>
        <comment>Placeholder of the answer field</comment>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Check</source>
        <comment>Button that judges the answer</comment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>Said and shown after a right answer</comment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Not quite. The right answer:</source>
        <comment>Shown above the right answer after a wrong one</comment>
        <translation>Nicht ganz. Richtig ist:</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment>Goes on after a wrong answer</comment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Practice done</source>
        <comment>Title of the practice summary</comment>
        <translation>Übung beendet</translation>
    </message>
    <message>
        <source>%1 of %2 right at the first try: %3 %</source>
        <comment>Score of a practice</comment>
        <translation>%1 von %2 beim ersten Versuch richtig: %3 %</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <comment>Day streak of practice</comment>
        <translation>Tage in Folge: %1</translation>
    </message>
    <message>
        <source>Again</source>
        <comment>Starts another practice</comment>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Leaves the practice</comment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>square root of</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>Wurzel aus</translation>
    </message>
    <message>
        <source>pi</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>Pi</translation>
    </message>
    <message>
        <source>over</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>durch</translation>
    </message>
    <message>
        <source>minus</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>minus</translation>
    </message>
    <message>
        <source>plus</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>plus</translation>
    </message>
    <message>
        <source>open bracket</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>times</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>mal</translation>
    </message>
    <message>
        <source>from 0 to under 360 degrees</source>
        <comment>Spoken part of a practice question</comment>
        <translation>von 0 bis unter 360 Grad</translation>
    </message>
    <message>
        <source>sine of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>Sinus von</translation>
    </message>
    <message>
        <source>cosine of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>Kosinus von</translation>
    </message>
    <message>
        <source>tangent of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>Tangens von</translation>
    </message>
    <message>
        <source>alpha</source>
        <comment>Spoken part of a practice question</comment>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>equals</source>
        <comment>Spoken part of a practice question</comment>
        <translation>gleich</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <comment>A quadrant chosen as the answer, by its number</comment>
        <translation>Quadrant %1</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>and</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>und</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>new</source>
        <comment>Mastery of an angle</comment>
        <translation>neu</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>Mastery of an angle</comment>
        <translation>in Arbeit</translation>
    </message>
    <message>
        <source>known</source>
        <comment>Mastery of an angle</comment>
        <translation>sicher</translation>
    </message>
    <message>
        <source>%1 degrees, %2</source>
        <comment>An angle of the mastery map and how well it is known</comment>
        <translation>%1 Grad, %2</translation>
    </message>
    <message>
        <source>Tap an angle to practise it, or start with the questions that are due.</source>
        <comment>Explains the mastery map</comment>
        <translation>Tippe auf einen Winkel, um ihn zu üben, oder beginne mit den fälligen Fragen.</translation>
    </message>
    <message>
        <source>Level 1: 30° and 45°</source>
        <comment>Practice level: the multiples of 30° and 45°</comment>
        <translation>Stufe 1: 30° und 45°</translation>
    </message>
    <message>
        <source>Level 2: also 15° and 18°</source>
        <comment>Practice level: also the multiples of 15° and 18°</comment>
        <translation>Stufe 2: auch 15° und 18°</translation>
    </message>
    <message>
        <source>Level 3: also beyond one turn</source>
        <comment>Practice level: also angles below 0° and from 360°</comment>
        <translation>Stufe 3: auch über eine Umdrehung hinaus</translation>
    </message>
    <message>
        <source>%1 degrees and one turn either side, %2</source>
        <comment>A point of the mastery map at the level beyond one turn and how well it is known</comment>
        <translation>%1 Grad und eine Umdrehung davor und danach, %2</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Starts a practice of the due questions</comment>
        <translation>Los</translation>
    </message>
    <message>
        <source>Reset progress</source>
        <comment>Forgets what was practised</comment>
        <translation>Fortschritt zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every answer and the day streak?</source>
        <comment>Asks before the practice progress is reset</comment>
        <translation>Alle Antworten und die Tage in Folge vergessen?</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Confirms resetting the practice progress</comment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Show solution</source>
        <comment>Opens the worked solution of the question's angle</comment>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>The worksheet could not be made. Please try again.</source>
        <translation>Das Arbeitsblatt konnte nicht erstellt werden. Bitte versuche es noch einmal.</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Present</source>
        <translation>Präsentieren</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 gezeigt</translation>
    </message>
    <message>
        <source>Close presentation</source>
        <translation>Präsentation schließen</translation>
    </message>
    <message>
        <source>This solution has no steps to present.</source>
        <translation>Diese Lösung hat keine Schritte zum Präsentieren.</translation>
    </message>
    <message>
        <source>The solution cannot be shown step by step just now. Press Escape or the close button to return to it.</source>
        <translation>Die Lösung kann gerade nicht Schritt für Schritt gezeigt werden. Mit Escape oder der Schließen-Taste kommst du zu ihr zurück.</translation>
    </message>
</context>
<context>
    <name>SolutionPdf</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF sichern</translation>
    </message>
    <message>
        <source>pdfSaved</source>
        <translation>Lösung als PDF gesichert: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>pdfNotSaved</source>
        <translation>Das PDF ließ sich nicht in %1 sichern: %2</translation>
    </message>
    <message>
        <source>pdfNotOpened</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
</context>
</TS>
