<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How to correct this translation: open this file in Qt Linguist (the program
  "linguist", Debian package qt6-tools-dev-tools) or in any text editor, change
  the text between <translation> and </translation>, save, and rebuild the
  program (tools/quorvane.sh run). Keep %1, %2 and the numbers as they are, and
  the words under ButtonFace short. docs/languages.md tells the rest.

  Come correggere questa traduzione: aprite questo file con Qt Linguist (il
  programma "linguist", pacchetto Debian qt6-tools-dev-tools) o con un
  qualsiasi editor di testo, cambiate il testo tra <translation> e
  </translation>, salvate e ricompilate il programma (tools/quorvane.sh run).
  Lasciate %1, %2 e i numeri come sono, e tenete brevi le parole sotto
  ButtonFace. Il resto è spiegato in docs/languages.md.
-->
<TS version="2.1" language="it">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Mescola</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>grigio chiaro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>grigio scuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>blu chiaro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>ciano chiaro</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>rosso chiaro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta chiaro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Fotogramma precedente</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Fotogramma successivo</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>impossibile leggere l’immagine %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Quante facce ha il poliedro duale del tetraedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Quante facce ha il poliedro duale dell’ottaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Quante facce ha il poliedro duale dell’icosaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Quante facce ha il poliedro duale del dodecaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Quante facce ha il poliedro duale del cubo?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Quanti vertici ha il poliedro duale del tetraedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Quanti vertici ha il poliedro duale dell’ottaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Quanti vertici ha il poliedro duale dell’icosaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Quanti vertici ha il poliedro duale del dodecaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Quanti vertici ha il poliedro duale del cubo?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Se un poliedro ha 30 spigoli, quanti spigoli ha il suo duale?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Prova «quorvane --help» per vedere le opzioni.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: i poliedri per gli alunni, i poliedri duali e il giro del mondo di Hamilton.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Mostra queste opzioni ed esce.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Modalità presentazione: occupa tutto lo schermo, per la lavagna dell’aula (F11 la attiva e disattiva).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Apre subito un’attività (%1); il suo pulsante Esci porta al menu.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Aula protetta: l’indirizzo web del menu non apre nulla.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Attività «%1» sconosciuta per --start: usa una tra %2.</translation>
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
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Esatto, ottimo!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Sbagliato, riprova</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>I centri delle facce di un poliedro regolare sono i vertici di un altro poliedro regolare.
Due poliedri legati in questo modo si dicono poliedri duali.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>Il numero di spigoli che si incontrano in un vertice di un poliedro regolare è uguale al numero di lati di ciascuna faccia del suo duale. Per esempio, in ogni vertice dell’ottaedro si incontrano quattro spigoli, e il duale dell’ottaedro è un cubo, che ha per facce dei quadrati.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualità</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>Arrotonda a due cifre decimali:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Strada da %1 a %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>Il giro del mondo di Hamilton</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>Il celebre matematico William Hamilton, vissuto nel XIX secolo, inventò un gioco chiamato «Il giro del mondo». Si gioca su un dodecaedro i cui vertici portano ciascuno il nome di una città. Per vincere bisogna partire da una città, percorrere gli spigoli del dodecaedro passando una sola volta per ognuna delle altre città e tornare alla città di partenza, senza mai percorrere due volte lo stesso spigolo. Un percorso così si chiama ciclo hamiltoniano.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Trova un ciclo hamiltoniano sul grafo del dodecaedro qui accanto. Fai clic al centro di un lato per cambiarne il colore.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Mostra l’indizio</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Soluzione</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>Quorvane 2</source>
        <translation>Quorvane 2</translation>
    </message>
    <message>
        <source>version 4.0.004</source>
        <translation>versione 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Piramidi</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualità</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Prismi</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Antiprismi</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Poliedri regolari</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Poliedri semiregolari</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Poliedri stellati</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Il giro del mondo</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Tronco di piramide</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Teorema di Pitagora</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sequenza animata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Gira</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Domanda successiva</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostra la soluzione</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mescola</translation>
    </message>
</context>
</TS>
