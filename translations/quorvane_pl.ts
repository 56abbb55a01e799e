<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How a teacher corrects this translation (Polish): open this file in
  Qt Linguist (the program linguist, Debian package qt6-tools-dev-tools) or
  in any text editor, and change the text of the translation beside the
  English source. Keep %1, %2 and the numbers as they are, and the six words
  under ButtonFace short: they are drawn on buttons. Then rebuild
  (tools/quorvane.sh run) and run tools/quorvane.sh test, which says where a
  text no longer fits its box. docs/languages.md tells more.

  Jak nauczyciel poprawia to tłumaczenie (polski): otwórz ten plik w programie
  Qt Linguist (polecenie linguist, pakiet Debiana qt6-tools-dev-tools) albo
  w dowolnym edytorze tekstu i zmień tekst tłumaczenia obok angielskiego
  oryginału. Zostaw bez zmian %1, %2 i liczby, a sześć słów w ButtonFace
  niech będzie krótkich: są rysowane na przyciskach. Potem zbuduj program
  ponownie (tools/quorvane.sh run) i uruchom tools/quorvane.sh test, który
  pokaże, gdzie tekst nie mieści się już w swoim polu. Więcej w
  docs/languages.md.
-->
<TS version="2.1" language="pl">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Wymieszaj</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyjan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brązowy</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>jasnoszary</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>ciemnoszary</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>jasny cyjan</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>jasnoczerwony</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>jasna magenta</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Poprzednia klatka</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Następna klatka</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>plik jest ucięty</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>nie można odczytać obrazu %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Ile ścian ma wielościan dualny do czworościanu?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Ile ścian ma wielościan dualny do ośmiościanu?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Ile ścian ma wielościan dualny do dwudziestościanu?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Ile ścian ma wielościan dualny do dwunastościanu?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Ile ścian ma wielościan dualny do sześcianu?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Ile wierzchołków ma wielościan dualny do czworościanu?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Ile wierzchołków ma wielościan dualny do ośmiościanu?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Ile wierzchołków ma wielościan dualny do dwudziestościanu?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Ile wierzchołków ma wielościan dualny do dwunastościanu?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Ile wierzchołków ma wielościan dualny do sześcianu?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Wielościan ma 30 krawędzi. Ile krawędzi ma wielościan do niego dualny?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Użyj „quorvane --help”, aby zobaczyć opcje.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: wielościany dla uczniów, wielościany dualne i podróż Hamiltona.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Pokaż te opcje i zakończ.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Tryb prezentacji: wypełnij cały ekran, do pokazu na tablicy w klasie (F11 przełącza).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Otwórz od razu ćwiczenie (%1); jego przycisk Wyjście prowadzi do menu.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Zablokowana sala: adres internetowy w menu niczego nie otwiera.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Nieznane ćwiczenie „%1” dla --start: podaj jedno z: %2.</translation>
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
        <translation>Wyjście</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Dobrze, brawo!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Źle, spróbuj znowu</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Punkty w środkach ścian wielościanu foremnego są wierzchołkami innego wielościanu foremnego.
Dwa wielościany związane w ten sposób nazywamy wielościanami dualnymi.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>Liczba krawędzi wychodzących z wierzchołka wielościanu foremnego jest równa liczbie krawędzi każdej ściany wielościanu do niego dualnego. Na przykład w każdym wierzchołku ośmiościanu schodzą się cztery krawędzie, a wielościanem dualnym do ośmiościanu jest sześcian, którego ściany są kwadratami.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualność</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>Z dokładnością do dwóch miejsc po przecinku:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Wyjście</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Droga z %1 do %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>Podróż Hamiltona dookoła świata</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>Słynny XIX-wieczny matematyk William Hamilton wymyślił grę „Podróż dookoła świata”. Gra toczy się na dwunastościanie, którego każdy wierzchołek nosi nazwę miasta. Aby wygrać, gracz wyrusza z jednego miasta i, wędrując wzdłuż krawędzi dwunastościanu, odwiedza każde z pozostałych miast dokładnie raz, po czym wraca do miasta początkowego, nie przechodząc żadną krawędzią więcej niż raz. Taką drogę nazywamy cyklem Hamiltona.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Znajdź cykl Hamiltona w pokazanym tu grafie dwunastościanu. Kliknij środek krawędzi, aby zmienić jej kolor.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Odpowiedź</translation>
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
        <translation>wersja 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Ostrosłupy</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualność</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Graniastosłupy</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Antygraniastosłupy</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Wielościany foremne</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Wielościany półforemne</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Wielościany gwiaździste</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Podróż dookoła świata</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Ostrosłup ścięty</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Twierdzenie Pitagorasa</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sekwencja animacji</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Pion</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Poziom</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Następne pytanie</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Pokaż odpowiedź</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Wymieszaj</translation>
    </message>
</context>
</TS>
