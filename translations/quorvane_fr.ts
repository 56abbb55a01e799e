<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Animation</name>
    <message>
        <source>Animation: a cube turns with an octahedron inside it, each corner of the octahedron at the centre of a face of the cube.</source>
        <translation>Animation&#xa0;: un cube tourne avec un octaèdre à l’intérieur, chaque sommet de l’octaèdre au centre d’une face du cube.</translation>
    </message>
    <message>
        <source>Animation: a tetrahedron turns with its dual, another tetrahedron, growing through it into a star.</source>
        <translation>Animation&#xa0;: un tétraèdre tourne avec son dual, un autre tétraèdre, qui le traverse en grandissant jusqu’à former une étoile.</translation>
    </message>
    <message>
        <source>Animation: a dodecahedron turns with an icosahedron inside it, each corner of the icosahedron at the centre of a face of the dodecahedron.</source>
        <translation>Animation&#xa0;: un dodécaèdre tourne avec un icosaèdre à l’intérieur, chaque sommet de l’icosaèdre au centre d’une face du dodécaèdre.</translation>
    </message>
    <message>
        <source>The clue: a dodecahedron opens out flat into the graph on this screen, and a route travels along half of a circuit.</source>
        <translation>L’indice&#xa0;: un dodécaèdre s’ouvre à plat pour former le graphe de cet écran, et un chemin parcourt la moitié d’un cycle.</translation>
    </message>
</context>
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Mélanger</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>cyan clair</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>rouge clair</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta clair</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Image suivante</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>impossible de lire l’image %1 (%2)</translation>
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
        <translation>Combien de faces a le polyèdre dual du tétraèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Combien de faces a le polyèdre dual de l’octaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Combien de faces a le polyèdre dual de l’icosaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Combien de faces a le polyèdre dual du dodécaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Combien de faces a le polyèdre dual du cube&#xa0;?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Combien de sommets a le polyèdre dual du tétraèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Combien de sommets a le polyèdre dual de l’octaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Combien de sommets a le polyèdre dual de l’icosaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Combien de sommets a le polyèdre dual du dodécaèdre&#xa0;?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Combien de sommets a le polyèdre dual du cube&#xa0;?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Si un polyèdre a 30 arêtes, combien d’arêtes a son dual&#xa0;?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>activity</source>
        <extracomment>The value that --start takes, as the help shows it: --start &lt;activity&gt;.</extracomment>
        <translation>activité</translation>
    </message>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Essayez « quorvane --help » pour voir les options.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2 : les polyèdres pour les élèves, les duaux et le voyage de Hamilton.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Afficher ces options et quitter.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Mode présentation : remplir tout l’écran, pour un tableau de classe (F11 bascule).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Ouvrir directement une activité (%1) ; sa sortie mène au menu.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Mode restreint : l’adresse web du menu n’ouvre rien.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Activité inconnue « %1 » pour --start : utilisez l’une de %2.</translation>
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
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Juste, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Faux, recommence&#xa0;!</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Les centres des faces d’un polyèdre régulier sont les sommets d’un autre polyèdre régulier.
Deux polyèdres liés de cette façon sont appelés polyèdres duaux.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>Le nombre d’arêtes issues d’un sommet d’un polyèdre régulier est égal au nombre d’arêtes de chaque face de son dual. Ainsi, l’octaèdre a quatre arêtes en chaque sommet, et son dual est un cube, dont les faces sont des carrés.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualité</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>À deux décimales près&#xa0;:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1. The answer box is empty again.</source>
        <extracomment>Spoken after &quot;Wrong, Try Again&quot;, which empties the answer box.</extracomment>
        <translation>%1 La case de réponse est de nouveau vide.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <extracomment>Spoken when the expected answer is shown; %1 is the number the screen shows.</extracomment>
        <translation>La réponse est %1.</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Route de %1 à %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>Le voyage autour du monde de Hamilton</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>Au XIXe siècle, le célèbre mathématicien William Hamilton inventa un jeu appelé «&#xa0;Un voyage autour du monde&#xa0;». On y joue sur un dodécaèdre dont chaque sommet porte le nom d’une ville. Pour gagner, il faut partir d’une ville, suivre les arêtes du dodécaèdre pour visiter une fois chacune des autres villes et revenir à la ville de départ, sans passer deux fois par la même arête. Un tel trajet s’appelle un cycle hamiltonien.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Trouve un cycle hamiltonien sur le graphe du dodécaèdre. Clique au milieu d’une arête pour changer sa couleur.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Voir l’indice</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. The arrow keys go from road to road, and Space marks a road or takes its mark away. Tab leads on to Show Clue and Check.</source>
        <translation>Trouve un cycle hamiltonien sur le graphe du dodécaèdre. Les flèches vont de route en route, et la barre d’espace marque une route ou enlève sa marque. Tab mène à «&#xa0;Voir l’indice&#xa0;» et à «&#xa0;Vérifier&#xa0;».</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>There is no web browser on this computer.</source>
        <extracomment>Shown for a few seconds above the web address when no browser could open it.</extracomment>
        <translation>Il n’y a pas de navigateur web sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Quorvane 2</source>
        <translation>Quorvane 2</translation>
    </message>
    <message>
        <source>version 4.0.004</source>
        <translation>version 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Pyramides</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualité</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Prismes</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Antiprismes</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Polyèdres réguliers</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Polyèdres semi-réguliers</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Polyèdres étoilés</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Voyage autour du monde</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Tronc de pyramide</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Théorème de Pythagore</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Séquence animée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Pivot</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Pivot</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Afficher la réponse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélanger</translation>
    </message>
</context>
</TS>
