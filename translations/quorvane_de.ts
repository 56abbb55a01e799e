<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Animation</name>
    <message>
        <source>Animation: a cube turns with an octahedron inside it, each corner of the octahedron at the centre of a face of the cube.</source>
        <translation>Animation: Ein Würfel dreht sich mit einem Oktaeder darin; jede Ecke des Oktaeders liegt in der Mitte einer Fläche des Würfels.</translation>
    </message>
    <message>
        <source>Animation: a tetrahedron turns with its dual, another tetrahedron, growing through it into a star.</source>
        <translation>Animation: Ein Tetraeder dreht sich mit seinem dualen, einem zweiten Tetraeder, das durch es hindurch zu einem Stern wächst.</translation>
    </message>
    <message>
        <source>Animation: a dodecahedron turns with an icosahedron inside it, each corner of the icosahedron at the centre of a face of the dodecahedron.</source>
        <translation>Animation: Ein Dodekaeder dreht sich mit einem Ikosaeder darin; jede Ecke des Ikosaeders liegt in der Mitte einer Fläche des Dodekaeders.</translation>
    </message>
    <message>
        <source>The clue: a dodecahedron opens out flat into the graph on this screen, and a route travels along half of a circuit.</source>
        <translation>Der Tipp: Ein Dodekaeder klappt sich flach zum Graphen auf diesem Bildschirm auf, und eine Route fährt die Hälfte eines Kreises ab.</translation>
    </message>
</context>
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Mischen</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>Helltürkis</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Ein Bild zurück</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Ein Bild vor</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>kann das Bild %1 nicht lesen (%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>RTL for a language written from right to left (Arabic, Hebrew), LTR for any other: Qt turns every screen to match.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Wie viele Flächen hat das Polyeder, das zum Tetraeder dual ist?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Wie viele Flächen hat das Polyeder, das zum Oktaeder dual ist?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Wie viele Flächen hat das Polyeder, das zum Ikosaeder dual ist?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Wie viele Flächen hat das Polyeder, das zum Dodekaeder dual ist?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Wie viele Flächen hat das Polyeder, das zum Würfel dual ist?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Wie viele Ecken hat das Polyeder, das zum Tetraeder dual ist?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Wie viele Ecken hat das Polyeder, das zum Oktaeder dual ist?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Wie viele Ecken hat das Polyeder, das zum Ikosaeder dual ist?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Wie viele Ecken hat das Polyeder, das zum Dodekaeder dual ist?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Wie viele Ecken hat das Polyeder, das zum Würfel dual ist?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Ein Polyeder hat 30 Kanten. Wie viele Kanten hat sein duales Polyeder?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>activity</source>
        <extracomment>The value that --start takes, as the help shows it: --start &lt;activity&gt;.</extracomment>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Mit „quorvane --help“ werden die Optionen gezeigt.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: Polyeder für Schülerinnen und Schüler, duale Körper und Hamiltons Reise.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Diese Optionen zeigen und beenden.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Präsentationsmodus: den ganzen Bildschirm füllen, für die Tafel im Klassenzimmer (F11 schaltet um).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Gleich mit einer Aktivität beginnen (%1); ihr Beenden führt zum Menü.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Eingeschränkter Betrieb: die Webadresse im Menü öffnet nichts.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Unbekannte Aktivität „%1“ für --start: eine von %2 angeben.</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Quorvane 2</source>
        <translation>Quorvane 2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Richtig, sehr gut!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Falsch, nochmal!</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Die Mittelpunkte der Flächen eines regulären Polyeders sind die Ecken eines anderen regulären Polyeders.
Zwei so verbundene Polyeder heißen duale Polyeder.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>Die Zahl der Kanten an einer Ecke eines regulären Polyeders ist gleich der Zahl der Kanten jeder Fläche seines dualen Polyeders. Beim Oktaeder treffen sich in jeder Ecke vier Kanten, und sein duales Polyeder ist ein Würfel mit quadratischen Flächen.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualität</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>Auf zwei Dezimalstellen genau:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1. The answer box is empty again.</source>
        <extracomment>Spoken after &quot;Wrong, Try Again&quot;, which empties the answer box.</extracomment>
        <translation>%1 Das Antwortfeld ist wieder leer.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <extracomment>Spoken when the expected answer is shown; %1 is the number the screen shows.</extracomment>
        <translation>Die Antwort ist %1.</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Straße von %1 nach %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>Hamiltons Reise um die Welt</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>Der berühmte Mathematiker William Hamilton erfand im 19. Jahrhundert ein Spiel namens „Eine Reise um die Welt“. Es wird auf einem Dodekaeder gespielt, dessen Ecken je den Namen einer Stadt tragen. Um zu gewinnen, startet man in einer Stadt, reist entlang der Kanten des Dodekaeders, besucht jede andere Stadt genau einmal und kehrt zur Startstadt zurück, ohne eine Kante zweimal zu benutzen. Einen solchen Weg nennt man Hamiltonkreis.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Finde einen Hamiltonkreis auf dem Dodekaedergraphen. Klicke auf die Mitte einer Kante, um ihre Farbe zu ändern.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Tipp zeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. The arrow keys go from road to road, and Space marks a road or takes its mark away. Tab leads on to Show Clue and Check.</source>
        <translation>Finde einen Hamiltonkreis auf dem Dodekaedergraphen. Die Pfeiltasten gehen von Straße zu Straße, und die Leertaste markiert eine Straße oder nimmt ihre Markierung weg. Mit Tab geht es weiter zu „Tipp zeigen“ und „Prüfen“.</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>There is no web browser on this computer.</source>
        <extracomment>Shown for a few seconds above the web address when no browser could open it.</extracomment>
        <translation>Auf diesem Computer gibt es keinen Webbrowser.</translation>
    </message>
    <message>
        <source>Quorvane 2</source>
        <translation>Quorvane 2</translation>
    </message>
    <message>
        <source>version 4.0.004</source>
        <translation>Version 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Pyramiden</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualität</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Prismen</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Antiprismen</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Reguläre Polyeder</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Halbreguläre Polyeder</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Sternpolyeder</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Reise um die Welt</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Pyramidenstumpf</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Satz des Pythagoras</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Animationsfolge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Quer</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
</context>
</TS>
