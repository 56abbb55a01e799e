<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Animation</name>
    <message>
        <source>Animation: a cube turns with an octahedron inside it, each corner of the octahedron at the centre of a face of the cube.</source>
        <translation>Animación: un cubo gira con un octaedro dentro, cada vértice del octaedro en el centro de una cara del cubo.</translation>
    </message>
    <message>
        <source>Animation: a tetrahedron turns with its dual, another tetrahedron, growing through it into a star.</source>
        <translation>Animación: un tetraedro gira con su dual, otro tetraedro, que lo atraviesa creciendo hasta formar una estrella.</translation>
    </message>
    <message>
        <source>Animation: a dodecahedron turns with an icosahedron inside it, each corner of the icosahedron at the centre of a face of the dodecahedron.</source>
        <translation>Animación: un dodecaedro gira con un icosaedro dentro, cada vértice del icosaedro en el centro de una cara del dodecaedro.</translation>
    </message>
    <message>
        <source>The clue: a dodecahedron opens out flat into the graph on this screen, and a route travels along half of a circuit.</source>
        <translation>La pista: un dodecaedro se despliega en el grafo de esta pantalla, y un camino recorre la mitad de un ciclo.</translation>
    </message>
</context>
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Libreta</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Mezclar</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>cian claro</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>rojo claro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Fotograma siguiente</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>el archivo está cortado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>no se puede leer la imagen %1 (%2)</translation>
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
        <translation>¿Cuántas caras tiene el poliedro dual del tetraedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>¿Cuántas caras tiene el poliedro dual del octaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>¿Cuántas caras tiene el poliedro dual del icosaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>¿Cuántas caras tiene el poliedro dual del dodecaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>¿Cuántas caras tiene el poliedro dual del cubo?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>¿Cuántos vértices tiene el poliedro dual del tetraedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>¿Cuántos vértices tiene el poliedro dual del octaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>¿Cuántos vértices tiene el poliedro dual del icosaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>¿Cuántos vértices tiene el poliedro dual del dodecaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>¿Cuántos vértices tiene el poliedro dual del cubo?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Si un poliedro tiene 30 aristas, ¿cuántas aristas tiene su dual?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>activity</source>
        <extracomment>The value that --start takes, as the help shows it: --start &lt;activity&gt;.</extracomment>
        <translation>actividad</translation>
    </message>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Pruebe «quorvane --help» para ver las opciones.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: poliedros para alumnos, duales y el viaje de Hamilton.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Mostrar estas opciones y salir.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Modo presentación: llenar toda la pantalla, para la pizarra del aula (F11 lo alterna).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Abrir directamente una actividad (%1); su salida lleva al menú.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Modo restringido: la dirección web del menú no abre nada.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Actividad desconocida «%1» para --start: use una de %2.</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>¡Correcto, bravo!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Incorrecto, otra vez</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Los centros de las caras de un poliedro regular son los vértices de otro poliedro regular.
Dos poliedros relacionados de esta forma se llaman poliedros duales.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>El número de aristas que concurren en un vértice de un poliedro regular es igual al número de aristas de cada cara de su dual. Por ejemplo, en cada vértice del octaedro concurren cuatro aristas, y el dual del octaedro es un cubo, cuyas caras son cuadrados.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualidad</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>Con dos decimales:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1. The answer box is empty again.</source>
        <extracomment>Spoken after &quot;Wrong, Try Again&quot;, which empties the answer box.</extracomment>
        <translation>%1. La casilla de respuesta vuelve a estar vacía.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <extracomment>Spoken when the expected answer is shown; %1 is the number the screen shows.</extracomment>
        <translation>La respuesta es %1.</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Camino de %1 a %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>La vuelta al mundo de Hamilton</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>El famoso matemático del siglo XIX William Hamilton inventó un juego llamado «La vuelta al mundo». Se juega sobre un dodecaedro cuyos vértices llevan cada uno el nombre de una ciudad. Para ganar, el jugador parte de una ciudad y recorre las aristas del dodecaedro para visitar una sola vez cada una de las demás ciudades y volver a la ciudad de partida, sin recorrer ninguna arista más de una vez. Un recorrido así se llama ciclo hamiltoniano.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Encuentra un ciclo hamiltoniano en el grafo del dodecaedro. Haz clic en el centro de una arista para cambiar su color.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Ver pista</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. The arrow keys go from road to road, and Space marks a road or takes its mark away. Tab leads on to Show Clue and Check.</source>
        <translation>Encuentra un ciclo hamiltoniano en el grafo del dodecaedro. Las flechas van de camino en camino, y la barra espaciadora marca un camino o le quita la marca. Tab lleva a «Ver pista» y a «Comprobar».</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>There is no web browser on this computer.</source>
        <extracomment>Shown for a few seconds above the web address when no browser could open it.</extracomment>
        <translation>No hay ningún navegador web en este ordenador.</translation>
    </message>
    <message>
        <source>Quorvane 2</source>
        <translation>Quorvane 2</translation>
    </message>
    <message>
        <source>version 4.0.004</source>
        <translation>versión 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Pirámides</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualidad</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Prismas</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Antiprismas</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Poliedros regulares</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Poliedros semirregulares</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Poliedros estrellados</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>La vuelta al mundo</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Tronco de pirámide</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Secuencia animada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Girar</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostrar la respuesta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mezclar</translation>
    </message>
</context>
</TS>
