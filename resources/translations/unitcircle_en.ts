<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Core</name>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Choosen Formula</source>
        <translation>Chosen Formula</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Calculate Verb</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Full circles</source>
        <translation>Full circles</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Quadrant</source>
        <translation>Quadrant</translation>
    </message>
    <message>
        <source>Your Input</source>
        <comment>The input title in solution view</comment>
        <translation>Your Input</translation>
    </message>
    <message>
        <source>Modified Input</source>
        <translation>Modified Input</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Cancel (math)</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>notEnoughInputValues</source>
        <translation>Enter one value: the angle α or the arc length b.</translation>
    </message>
    <message>
        <source>inputParameterError</source>
        <translation>Use only digits, one “.”, one “/” and π or e at the end.</translation>
    </message>
    <message>
        <source>fractionIncomplete</source>
        <translation>Incomplete fraction: write a number on each side of “/”.</translation>
    </message>
    <message>
        <source>inputZeroInDenominator</source>
        <translation>The denominator must not be 0: you cannot divide by zero.</translation>
    </message>
    <message>
        <source>toManyNaturalConstantsInSubstring</source>
        <translation>At most one π or e above and one below the “/”.</translation>
    </message>
    <message>
        <source>toManyVariablesInSubstring</source>
        <translation>At most one variable above and one below the “/”.</translation>
    </message>
    <message>
        <source>naturalConstantInWrongPositionOfSubstring</source>
        <translation>Write π or e at the end of a number, as in 2π or π/4.</translation>
    </message>
    <message>
        <source>valueOutOfRange</source>
        <translation>Too large to calculate with: enter a smaller number.</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>oppositionError</source>
        <translation>These values contradict each other. Please check your input.</translation>
    </message>
    <message>
        <source>mustBeBiggerThanXAndLessThanY</source>
        <translation>The value must be greater than %0 and less than %1.</translation>
    </message>
    <message>
        <source>mustBeGreatherThanX</source>
        <translation>The value must be greater than %0.</translation>
    </message>
    <message>
        <source>mustBeLessThanX</source>
        <translation>The value must be less than %0.</translation>
    </message>
    <message>
        <source>historyNoFile</source>
        <translation>There is no settings file at %0.</translation>
    </message>
    <message>
        <source>historyCannotRead</source>
        <translation>The settings file %0 cannot be read: %1</translation>
    </message>
    <message>
        <source>historySkippedLines</source>
        <translation>%0 unreadable lines of the settings file were skipped.</translation>
    </message>
    <message>
        <source>historyDamaged</source>
        <translation>The settings file %0 is damaged (%1); every entry that could be read is listed.</translation>
    </message>
    <message>
        <source>historyForeign</source>
        <translation>The settings file %0 belongs to another program.</translation>
    </message>
    <message>
        <source>exactValues</source>
        <translation>Exact values</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>referenceAngle</source>
        <translation>Reference angle</translation>
    </message>
    <message>
        <source>quadrant</source>
        <translation>Quadrant</translation>
    </message>
    <message>
        <source>onPositiveXAxis</source>
        <translation>on the positive x-axis</translation>
    </message>
    <message>
        <source>onPositiveYAxis</source>
        <translation>on the positive y-axis</translation>
    </message>
    <message>
        <source>onNegativeXAxis</source>
        <translation>on the negative x-axis</translation>
    </message>
    <message>
        <source>onNegativeYAxis</source>
        <translation>on the negative y-axis</translation>
    </message>
    <message>
        <source>practicePromptDegreesToRadians</source>
        <translation>Write in radians: α =</translation>
    </message>
    <message>
        <source>practicePromptRadiansToDegrees</source>
        <translation>Write in degrees: b =</translation>
    </message>
    <message>
        <source>practicePromptSin</source>
        <translation>Give sin α exactly for α =</translation>
    </message>
    <message>
        <source>practicePromptCos</source>
        <translation>Give cos α exactly for α =</translation>
    </message>
    <message>
        <source>practicePromptTan</source>
        <translation>Give tan α exactly for α =</translation>
    </message>
    <message>
        <source>practicePromptReferenceAngle</source>
        <translation>Reference angle of α =</translation>
    </message>
    <message>
        <source>practicePromptQuadrant</source>
        <translation>Quadrant of α =</translation>
    </message>
    <message>
        <source>practicePromptInverseSin</source>
        <translation>Every α in [0°, 360°) with sin α =</translation>
    </message>
    <message>
        <source>practicePromptInverseCos</source>
        <translation>Every α in [0°, 360°) with cos α =</translation>
    </message>
    <message>
        <source>practicePromptInverseTan</source>
        <translation>Every α in [0°, 360°) with tan α =</translation>
    </message>
    <message>
        <source>practiceCorrect</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>practiceWrong</source>
        <translation>Not right: try the next one.</translation>
    </message>
    <message>
        <source>practiceClose</source>
        <translation>Close: give the exact value.</translation>
    </message>
    <message>
        <source>practiceGiveRadians</source>
        <translation>Give the angle in radians, with π.</translation>
    </message>
    <message>
        <source>practiceGiveDegrees</source>
        <translation>Give the angle in degrees.</translation>
    </message>
    <message>
        <source>practiceMarkDegrees</source>
        <translation>Without °, a number is in radians here: add ° for degrees, or give the angle with π.</translation>
    </message>
    <message>
        <source>practiceAngleRange</source>
        <translation>Give the angles from 0° up to but not including 360°.</translation>
    </message>
    <message>
        <source>practiceIncomplete</source>
        <translation>Right so far: there are more angles.</translation>
    </message>
    <message>
        <source>practiceEmptyAnswer</source>
        <translation>Type an answer first.</translation>
    </message>
    <message>
        <source>practiceAnswerUnreadable</source>
        <translation>Use digits, “.”, “/”, “+”, “−”, √, π, brackets and ° at the end; separate several answers with “;”.</translation>
    </message>
    <message>
        <source>exploreValueUnreadable</source>
        <translation>Type one number, such as 1/2, √3/2 or -0.75.</translation>
    </message>
    <message>
        <source>practiceRootOfNegative</source>
        <translation>No square root of a negative number.</translation>
    </message>
    <message>
        <source>practiceUndefined</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>practiceNoSolution</source>
        <translation>no solution</translation>
    </message>
    <message>
        <source>practiceWorksheet</source>
        <translation>Worksheet %0, level %1</translation>
    </message>
    <message>
        <source>practiceAnswerKey</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>practiceWebAddress</source>
        <translation>The same questions in the web edition: %0</translation>
    </message>
    <message>
        <source>practicePdfCannotWrite</source>
        <translation>Cannot write the worksheet to %0: %1</translation>
    </message>
    <message>
        <source>practiceSessionOver</source>
        <translation>This practice is over.</translation>
    </message>
    <message>
        <source>solutionPdfTitle</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>solutionPdfCannotWrite</source>
        <translation>The solution cannot be written to %0: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>appName</source>
        <translation>Unit Circle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>appNotLoaded</source>
        <translation>The app could not be loaded. Check your internet connection and reload the page.</translation>
    </message>
</context>
<context>
    <name>CalculateView</name>
    <message>
        <source>Fill in your given numbers:</source>
        <translation>Fill in the value you know:</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>Pagebar title for main calculate view</comment>
        <translation>Input</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Calculate Title</source>
        <comment>Toolbar title for calculate view</comment>
        <translation>Unit Circle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>calculatorNotAnswering</source>
        <translation>The calculator did not answer. Your input is fine: tap Calculate to try again.</translation>
    </message>
</context>
<context>
    <name>SolutionView</name>
    <message>
        <source>backToStep</source>
        <comment>Button over the result list that scrolls back to the marked step</comment>
        <translation>Back to step %1</translation>
    </message>
    <message>
        <source>Result</source>
        <comment>Pagebar title for result view</comment>
        <translation>Result</translation>
    </message>
    <message>
        <source>Calculate Title</source>
        <comment>Toolbar title for calculate view</comment>
        <translation>Unit Circle</translation>
    </message>
    <message>
        <source>sharingImageQualityTitle</source>
        <translation>Image quality</translation>
    </message>
    <message>
        <source>sharingImageQualityText</source>
        <translation>The solution is shared as one long image. Some apps shrink long images, so it may look less sharp there.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>shareSaved</source>
        <translation>The solution was saved as %1 and copied to the clipboard.</translation>
    </message>
    <message>
        <source>shareCopiedNotSaved</source>
        <translation>The solution was copied to the clipboard, but it could not be saved in %1.</translation>
    </message>
    <message>
        <source>shareFileName</source>
        <comment>File name of the downloaded picture of a solution; %1 is the date and time</comment>
        <translation>unit-circle-solution-%1.png</translation>
    </message>
    <message>
        <source>sharePictureFailed</source>
        <translation>The picture of the solution could not be made. Please try again.</translation>
    </message>
    <message>
        <source>shareFailed</source>
        <translation>The solution could not be shared or downloaded. Please try again.</translation>
    </message>
    <message>
        <source>shareDownloaded</source>
        <translation>The solution was downloaded as the picture %1.</translation>
    </message>
    <message>
        <source>shareDownloadedInstead</source>
        <translation>Sharing did not work, so the solution was downloaded as the picture %1.</translation>
    </message>
    <message>
        <source>sharePictureReady</source>
        <translation>The picture of the solution is ready.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>History</source>
        <comment>Toolbar title for history view</comment>
        <translation>History</translation>
    </message>
    <message>
        <source>Clear History</source>
        <comment>Alert view title for clearing history</comment>
        <translation>Clear History</translation>
    </message>
    <message>
        <source>Are you sure to delete your whole history?</source>
        <comment>Alert view message for clearing history</comment>
        <translation>Do you really want to delete your whole history?</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>Alert view action -Clear- for clearing history</comment>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Alert view action -Cancel- for clearing history</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>Accessibility name of the delete button of a history row</comment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Incomplete entry</source>
        <comment>History row of a record without inputs</comment>
        <translation>Incomplete entry</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>Accessibility name of the history&apos;s edit button</comment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>No calculations yet</source>
        <comment>Title of the empty history</comment>
        <translation>No calculations yet</translation>
    </message>
    <message>
        <source>Every calculation you make is kept here. Tap one to load it again.</source>
        <comment>Text of the empty history</comment>
        <translation>Every calculation you make is kept here. Tap one to load it again.</translation>
    </message>
    <message>
        <source>Calculation deleted</source>
        <comment>Message after a history row was deleted</comment>
        <translation>Calculation deleted</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Button of the message after a history row was deleted: puts the row back</comment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>Accessibility name of the handle that moves a history row</comment>
        <translation>Move</translation>
    </message>
</context>
<context>
    <name>SideMenu</name>
    <message>
        <source>Calculate Title</source>
        <comment>Left Menu: navigate to calculation</comment>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>History</source>
        <comment>Left Menu: navigate to history</comment>
        <translation>History</translation>
    </message>
    <message>
        <source>Practice</source>
        <comment>Left Menu: navigate to practice</comment>
        <translation>Practice</translation>
    </message>
    <message>
        <source>introduction</source>
        <comment>Left Menu: Introduction</comment>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>privacyPolicy</source>
        <comment>Left Menu: Privacy Policy</comment>
        <translation>Privacy Policy</translation>
    </message>
    <message>
        <source>Discord</source>
        <comment>Discord</comment>
        <translation>Join our community</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <comment>Left Menu: Rate this App</comment>
        <translation>Rate this App</translation>
    </message>
    <message>
        <source>Visit us:</source>
        <comment>Left Menu: Section Header: Contact</comment>
        <translation>Visit us:</translation>
    </message>
    <message>
        <source>All in one:</source>
        <comment>Left Menu: Section Header: Multi apps</comment>
        <translation>All in one:</translation>
    </message>
    <message>
        <source>Other apps:</source>
        <comment>Left Menu: Section Header: Single apps</comment>
        <translation>Other apps:</translation>
    </message>
    <message>
        <source>noInternet</source>
        <comment>No internet</comment>
        <translation>No internet connection</translation>
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
        <translation>Welcome to §appname! Here you learn how the angle and the arc length on the unit circle belong together.</translation>
    </message>
    <message>
        <source>onboardingB</source>
        <comment>onboardingB</comment>
        <translation>Type either the angle α in degrees or the arc length b on the keypad. Fractions, decimals and π are allowed, for example 3π/4.</translation>
    </message>
    <message>
        <source>onboardingC</source>
        <comment>onboardingC</comment>
        <translation>Tap the check mark: you get the other quantity together with sine, cosine, tangent and the quadrant, step by step.</translation>
    </message>
    <message>
        <source>onboardingD</source>
        <comment>onboardingD</comment>
        <translation>Below the steps, the unit circle and the graphs of sine and cosine show your result.</translation>
    </message>
    <message>
        <source>onboardingE</source>
        <comment>onboardingE</comment>
        <translation>Every calculation is kept in the history. Open an entry there to load its input again.</translation>
    </message>
    <message>
        <source>onboardingYoutube1</source>
        <comment>onboardingYoutube1</comment>
        <translation>Below the solution you find videos that explain the topic.</translation>
    </message>
    <message>
        <source>onboardingYoutube2</source>
        <comment>onboardingYoutube2</comment>
        <translation>The videos come from an external video platform. Before they are shown, we ask for your consent.</translation>
    </message>
    <message>
        <source>onboardingYoutube3</source>
        <comment>onboardingYoutube3</comment>
        <translation>Tap “Touch to unlock” and accept to show the videos.</translation>
    </message>
    <message>
        <source>onboardingYoutube4</source>
        <comment>onboardingYoutube4</comment>
        <translation>Swipe sideways through the videos and tap one to play it.</translation>
    </message>
    <message>
        <source>onboardingYoutube5</source>
        <comment>onboardingYoutube5</comment>
        <translation>You can withdraw your consent at any time with the lock symbol.</translation>
    </message>
    <message>
        <source>next</source>
        <comment>Next</comment>
        <translation>Next</translation>
    </message>
    <message>
        <source>letsStart</source>
        <comment>Let's start</comment>
        <translation>Let's start</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Consent</name>
    <message>
        <source>dsgvoTitlePro</source>
        <comment>Privacy Policy</comment>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>dsgvoTextPro</source>
        <translation>This app keeps your calculation history and your settings on this device only. Which functions you use is written to a local log file on this device; it is never sent anywhere. Over an encrypted connection the app downloads the list of recommended videos and of the maker's other apps, and before it opens a web page it checks that the internet can be reached. These requests carry nothing about you beyond what every connection shows, such as your IP address. Nothing else is sent. Videos come from YouTube and are embedded only after you agree separately.</translation>
    </message>
    <message>
        <source>dsgvoTextWeb</source>
        <comment>The privacy notice of the web edition</comment>
        <translation>This page keeps your calculation history, your practice progress and your settings in this browser only; none of it is sent anywhere. The page and its files come from the server that hosts it, which sees what every connection shows, such as your IP address. Nothing else is sent.</translation>
    </message>
    <message>
        <source>dsgvoAccept</source>
        <comment>Accept</comment>
        <translation>Accept</translation>
    </message>
    <message>
        <source>dsgvoYoutubeTitle</source>
        <comment>Youtube Privacy Policy</comment>
        <translation>Privacy of videos</translation>
    </message>
    <message>
        <source>dsgvoYoutubeText</source>
        <comment>Youtube Dsgvo Text</comment>
        <translation>The recommended videos are embedded from YouTube. Once you agree, your device connects to YouTube to show their preview pictures and to play them. YouTube can then receive data such as your IP address and what you watch, and may store cookies on your device. You can withdraw your consent at any time with the lock symbol. Do you agree that the videos are shown?</translation>
    </message>
    <message>
        <source>dsgvoDecline</source>
        <comment>Decline</comment>
        <translation>Decline</translation>
    </message>
</context>
<context>
    <name>VideoStrip</name>
    <message>
        <source>recommendedVideoIfUnclear</source>
        <comment>Recommended video if unclear</comment>
        <translation>Still unclear? These videos help:</translation>
    </message>
    <message>
        <source>touchTounlock</source>
        <comment>Touch to unlock</comment>
        <translation>Touch to unlock</translation>
    </message>
    <message>
        <source>videoUnavailable</source>
        <translation>This video is not available.</translation>
    </message>
    <message>
        <source>videoLoading</source>
        <translation>Loading the video…</translation>
    </message>
    <message>
        <source>videoOffline</source>
        <translation>The video could not be loaded. Check your internet connection.</translation>
    </message>
    <message>
        <source>browserNotOpened</source>
        <translation>The video could not be opened in the browser.</translation>
    </message>
    <message>
        <source>playVideo</source>
        <translation>Play the video</translation>
    </message>
    <message>
        <source>closeVideo</source>
        <translation>Close the video</translation>
    </message>
    <message>
        <source>tryAgain</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>videoConsent</source>
        <translation>Consent for videos</translation>
    </message>
    <message>
        <source>videoInstructions</source>
        <translation>How the videos work</translation>
    </message>
</context>
<context>
    <name>ManualView</name>
    <message>
        <source>Assistance</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>closeManual</source>
        <translation>Close the help</translation>
    </message>
    <message>
        <source>noHelpImage</source>
        <translation>The help picture could not be shown.</translation>
    </message>
    <message>
        <source>zoomIn</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>zoomOut</source>
        <translation>Zoom out</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Rate</source>
        <translation>Do you like this app? Please rate it!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Thank you for your rating!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>noInternet</source>
        <comment>No internet</comment>
        <translation>No internet connection</translation>
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
        <translation>Calculate %1</translation>
    </message>
    <message>
        <source>Animate again</source>
        <translation>Animate again</translation>
    </message>
</context>
<context>
    <name>ChartTableViewCell</name>
    <message>
        <source>This graph is too long to draw: it repeats every 2π.</source>
        <translation>This graph is too long to draw: it repeats every 2π.</translation>
    </message>
</context>
<context>
    <name>ExactValues</name>
    <message>
        <source>didYouMean</source>
        <translation>Did you mean b = %1?</translation>
    </message>
</context>
<context>
    <name>ExploreView</name>
    <message>
        <source>Explore</source>
        <translation>Explore</translation>
    </message>
    <message>
        <source>exploreCircleName</source>
        <translation>Point on the unit circle</translation>
    </message>
    <message>
        <source>exploreSnap</source>
        <translation>Snap to special angles</translation>
    </message>
    <message>
        <source>exploreGraph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>exploreClearTrail</source>
        <translation>Clear trail</translation>
    </message>
    <message>
        <source>exploreSharedAngles</source>
        <translation>Same reference angle</translation>
    </message>
    <message>
        <source>exploreInverseTitle</source>
        <translation>For which α?</translation>
    </message>
    <message>
        <source>exploreInverseValue</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>exploreShowSolutions</source>
        <translation>Show every α</translation>
    </message>
    <message>
        <source>exploreClearInverse</source>
        <translation>Clear question</translation>
    </message>
    <message>
        <source>exploreNoSolution</source>
        <translation>no solution</translation>
    </message>
    <message>
        <source>exploreSolutionsHeading</source>
        <translation>Every α in [0°, 360°)</translation>
    </message>
    <message>
        <source>exploreSigns</source>
        <translation>Signs</translation>
    </message>
    <message>
        <source>exploreRadians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>exploreDegrees</source>
        <translation>Degrees</translation>
    </message>
</context>
<context>
    <name>TextScale</name>
    <message>
        <source>textSize</source>
        <translation>Text size %1 %</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>storeNotSavedTitle</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>storeNotKeptTitle</source>
        <translation>History not kept</translation>
    </message>
    <message>
        <source>storeFull</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>storeReadOnly</source>
        <translation>The settings file is read-only.</translation>
    </message>
    <message>
        <source>storeBusy</source>
        <translation>Another window or program has kept the settings file locked for too long.</translation>
    </message>
    <message>
        <source>storeUnavailable</source>
        <translation>The settings file cannot be opened.</translation>
    </message>
    <message>
        <source>storeNotWritable</source>
        <translation>The settings file cannot be written.</translation>
    </message>
    <message>
        <source>calculationNotSaved</source>
        <translation>The calculation was not saved.</translation>
    </message>
    <message>
        <source>deletionNotSaved</source>
        <translation>The entry was not deleted.</translation>
    </message>
    <message>
        <source>orderNotSaved</source>
        <translation>The new order was not saved.</translation>
    </message>
    <message>
        <source>clearingNotSaved</source>
        <translation>The history was not cleared.</translation>
    </message>
    <message>
        <source>changeNotSaved</source>
        <translation>The change was not saved.</translation>
    </message>
    <message>
        <source>storeInMemoryOnly</source>
        <translation>Calculations and settings are kept only until the app is closed.</translation>
    </message>
    <message>
        <source>storeReadOnlyTitle</source>
        <translation>History is read-only</translation>
    </message>
    <message>
        <source>storeShownNotKept</source>
        <translation>Your history is shown, but new calculations and settings are kept only until the app is closed.</translation>
    </message>
    <message>
        <source>storeForeign</source>
        <translation>The settings file belongs to another program and was left untouched.</translation>
    </message>
    <message>
        <source>storeCheckedTitle</source>
        <translation>History checked</translation>
    </message>
    <message>
        <source>storeLogSetAside</source>
        <translation>A log file beside the settings file did not belong to it and was set aside as %1. Your history is complete.</translation>
    </message>
    <message>
        <source>storeRepairedTitle</source>
        <translation>History repaired</translation>
    </message>
    <message>
        <source>storeDamaged</source>
        <translation>Part of the settings file was damaged.</translation>
    </message>
    <message>
        <source>storeSalvaged</source>
        <translation>Every entry that could be read was kept; the damaged file was set aside as %1.</translation>
    </message>
    <message>
        <source>storeDamagedTitle</source>
        <translation>History damaged</translation>
    </message>
    <message>
        <source>storeDamagedRead</source>
        <translation>Entries in the damaged part cannot be shown; every other entry is.</translation>
    </message>
    <message>
        <source>practiceResetTitle</source>
        <translation>Practice starts afresh</translation>
    </message>
    <message>
        <source>practiceReset</source>
        <translation>Your practice progress could not be read, so practice starts from the beginning.</translation>
    </message>
    <message>
        <source>practiceSetAside</source>
        <translation>The unreadable progress is kept in %1.</translation>
    </message>
    <message>
        <source>storeBrowserFull</source>
        <translation>The browser&apos;s storage for this page is full.</translation>
    </message>
    <message>
        <source>storeBrowserRefused</source>
        <translation>The browser does not let this page store data.</translation>
    </message>
    <message>
        <source>storeBrowserBusy</source>
        <translation>Another tab keeps this page&apos;s stored data in use.</translation>
    </message>
    <message>
        <source>storeBrowserFailed</source>
        <translation>The browser could not store the data.</translation>
    </message>
    <message>
        <source>storeBrowserDeleted</source>
        <translation>The data this page had stored was deleted.</translation>
    </message>
    <message>
        <source>historyStartsAfresh</source>
        <translation>The history starts afresh.</translation>
    </message>
    <message>
        <source>practiceNotSaved</source>
        <translation>Your practice progress was not saved.</translation>
    </message>
</context>
<context>
    <name>PracticeView</name>
    <message>
        <source>Question %1 of %2</source>
        <comment>Progress through a practice</comment>
        <translation>Question %1 of %2</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Name of the answer field</comment>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Your answer</source>
        <comment>Placeholder of the answer field</comment>
        <translation>Your answer</translation>
    </message>
    <message>
        <source>Check</source>
        <comment>Button that judges the answer</comment>
        <translation>Check</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>Said and shown after a right answer</comment>
        <translation>Right</translation>
    </message>
    <message>
        <source>Not quite. The right answer:</source>
        <comment>Shown above the right answer after a wrong one</comment>
        <translation>Not quite. The right answer:</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment>Goes on after a wrong answer</comment>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Practice done</source>
        <comment>Title of the practice summary</comment>
        <translation>Practice done</translation>
    </message>
    <message>
        <source>%1 of %2 right at the first try: %3 %</source>
        <comment>Score of a practice</comment>
        <translation>%1 of %2 right at the first try: %3 %</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <comment>Day streak of practice</comment>
        <translation>Days in a row: %1</translation>
    </message>
    <message>
        <source>Again</source>
        <comment>Starts another practice</comment>
        <translation>Again</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Leaves the practice</comment>
        <translation>Done</translation>
    </message>
    <message>
        <source>square root of</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>square root of</translation>
    </message>
    <message>
        <source>pi</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>pi</translation>
    </message>
    <message>
        <source>over</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>over</translation>
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
        <translation>open bracket</translation>
    </message>
    <message>
        <source>close bracket</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>close bracket</translation>
    </message>
    <message>
        <source>times</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>times</translation>
    </message>
    <message>
        <source>from 0 to under 360 degrees</source>
        <comment>Spoken part of a practice question</comment>
        <translation>from 0 to under 360 degrees</translation>
    </message>
    <message>
        <source>sine of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>sine of</translation>
    </message>
    <message>
        <source>cosine of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>cosine of</translation>
    </message>
    <message>
        <source>tangent of</source>
        <comment>Spoken part of a practice question</comment>
        <translation>tangent of</translation>
    </message>
    <message>
        <source>alpha</source>
        <comment>Spoken part of a practice question</comment>
        <translation>alpha</translation>
    </message>
    <message>
        <source>equals</source>
        <comment>Spoken part of a practice question</comment>
        <translation>equals</translation>
    </message>
    <message>
        <source>quadrant %1</source>
        <comment>A quadrant chosen as the answer, by its number</comment>
        <translation>quadrant %1</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>degrees</translation>
    </message>
    <message>
        <source>and</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>and</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>Spoken part of a typed answer</comment>
        <translation>empty</translation>
    </message>
    <message>
        <source>new</source>
        <comment>Mastery of an angle</comment>
        <translation>new</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>Mastery of an angle</comment>
        <translation>learning</translation>
    </message>
    <message>
        <source>known</source>
        <comment>Mastery of an angle</comment>
        <translation>known</translation>
    </message>
    <message>
        <source>%1 degrees, %2</source>
        <comment>An angle of the mastery map and how well it is known</comment>
        <translation>%1 degrees, %2</translation>
    </message>
    <message>
        <source>Tap an angle to practise it, or start with the questions that are due.</source>
        <comment>Explains the mastery map</comment>
        <translation>Tap an angle to practise it, or start with the questions that are due.</translation>
    </message>
    <message>
        <source>Level 1: 30° and 45°</source>
        <comment>Practice level: the multiples of 30° and 45°</comment>
        <translation>Level 1: 30° and 45°</translation>
    </message>
    <message>
        <source>Level 2: also 15° and 18°</source>
        <comment>Practice level: also the multiples of 15° and 18°</comment>
        <translation>Level 2: also 15° and 18°</translation>
    </message>
    <message>
        <source>Level 3: also beyond one turn</source>
        <comment>Practice level: also angles below 0° and from 360°</comment>
        <translation>Level 3: also beyond one turn</translation>
    </message>
    <message>
        <source>%1 degrees and one turn either side, %2</source>
        <comment>A point of the mastery map at the level beyond one turn and how well it is known</comment>
        <translation>%1 degrees and one turn either side, %2</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Starts a practice of the due questions</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reset progress</source>
        <comment>Forgets what was practised</comment>
        <translation>Reset progress</translation>
    </message>
    <message>
        <source>Forget every answer and the day streak?</source>
        <comment>Asks before the practice progress is reset</comment>
        <translation>Forget every answer and the day streak?</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Confirms resetting the practice progress</comment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Show solution</source>
        <comment>Opens the worked solution of the question's angle</comment>
        <translation>Show solution</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Print worksheet</translation>
    </message>
    <message>
        <source>The worksheet could not be made. Please try again.</source>
        <translation>The worksheet could not be made. Please try again.</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Present</source>
        <translation>Present</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 of %2 shown</translation>
    </message>
    <message>
        <source>Close presentation</source>
        <translation>Close presentation</translation>
    </message>
    <message>
        <source>This solution has no steps to present.</source>
        <translation>This solution has no steps to present.</translation>
    </message>
    <message>
        <source>The solution cannot be shown step by step just now. Press Escape or the close button to return to it.</source>
        <translation>The solution cannot be shown step by step just now. Press Escape or the close button to return to it.</translation>
    </message>
</context>
<context>
    <name>SolutionPdf</name>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>pdfSaved</source>
        <translation>Solution saved as PDF: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>pdfNotSaved</source>
        <translation>The PDF could not be saved in %1: %2</translation>
    </message>
    <message>
        <source>pdfNotOpened</source>
        <translation>No program could open %1.</translation>
    </message>
</context>
</TS>
