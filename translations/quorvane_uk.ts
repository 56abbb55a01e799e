<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How a teacher corrects this translation (Ukrainian): open this file in
  Qt Linguist (the program linguist, Debian package qt6-tools-dev-tools) or
  in any text editor, and change the text of the translation beside the
  English source. Keep %1, %2 and the numbers as they are, and the six words
  under ButtonFace short: they are drawn on buttons. Then rebuild
  (tools/quorvane.sh run) and run tools/quorvane.sh test, which says where a
  text no longer fits its box. docs/languages.md tells more.

  Як учитель виправляє цей переклад (українська): відкрийте цей файл у
  Qt Linguist (програма linguist, пакунок Debian qt6-tools-dev-tools) або
  в будь-якому текстовому редакторі й змініть текст перекладу поруч з
  англійським оригіналом. Залиште без змін %1, %2 і числа, а шість слів у
  ButtonFace мають бути короткими: їх малюють на кнопках. Потім зберіть
  програму знову (tools/quorvane.sh run) і запустіть tools/quorvane.sh test,
  який покаже, де текст більше не вміщується у своє поле. Докладніше в
  docs/languages.md.
-->
<TS version="2.1" language="uk">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Змішати</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>чорний</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синій</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелений</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>бірюзовий</translation>
    </message>
    <message>
        <source>red</source>
        <translation>червоний</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпуровий</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневий</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>світло-сірий</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>темно-сірий</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>світло-синій</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>світло-зелений</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>світло-бірюзовий</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>світло-червоний</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>світло-пурпуровий</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовтий</translation>
    </message>
    <message>
        <source>white</source>
        <translation>білий</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Попередній кадр</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Наступний кадр</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>файл обрізано</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не знайдено</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>не вдалося прочитати зображення %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Скільки граней має многогранник, двоїстий до тетраедра?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Скільки граней має многогранник, двоїстий до октаедра?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Скільки граней має многогранник, двоїстий до ікосаедра?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Скільки граней має многогранник, двоїстий до додекаедра?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Скільки граней має многогранник, двоїстий до куба?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Скільки вершин має многогранник, двоїстий до тетраедра?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Скільки вершин має многогранник, двоїстий до октаедра?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Скільки вершин має многогранник, двоїстий до ікосаедра?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Скільки вершин має многогранник, двоїстий до додекаедра?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Скільки вершин має многогранник, двоїстий до куба?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Многогранник має 30 ребер. Скільки ребер має двоїстий до нього многогранник?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Щоб побачити опції, введіть «quorvane --help».</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: многогранники для школярів, двоїсті многогранники й подорож Гамільтона.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Показати ці опції й завершити роботу.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Режим презентації: заповнити весь екран, для шкільної дошки (F11 перемикає).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Одразу відкрити заняття (%1); його кнопка «Вихід» веде до меню.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Заблокований клас: вебадреса в меню нічого не відкриває.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Невідоме заняття «%1» для --start: вкажіть одне з %2.</translation>
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
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Правильно, браво!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Ні, спробуй ще раз</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Центри граней правильного многогранника є вершинами іншого правильного многогранника.
Два многогранники, пов’язані таким чином, називають двоїстими.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>Кількість ребер, що сходяться в одній вершині правильного многогранника, дорівнює кількості ребер кожної грані двоїстого до нього многогранника. Наприклад, у кожній вершині октаедра сходяться чотири ребра, а двоїстий до октаедра многогранник — куб, грані якого є квадратами.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Двоїстість</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Твоя відповідь</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>З точністю до двох знаків після коми:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Весь екран</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Дорога від %1 до %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>Подорож Гамільтона навколо світу</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>Відомий математик XIX століття Вільям Гамільтон винайшов гру «Подорож навколо світу». У неї грають на додекаедрі, кожна вершина якого має назву міста. Щоб виграти, гравець вирушає з якогось міста, рухається ребрами додекаедра, відвідує кожне з інших міст рівно один раз і повертається до початкового міста, не проходячи жодним ребром більше одного разу. Такий маршрут називають гамільтоновим циклом.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Знайди гамільтонів цикл на зображеному тут графі додекаедра. Клацни посередині ребра, щоб змінити його колір.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Відповідь</translation>
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
        <translation>версія 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Піраміди</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Двоїстість</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>Призми</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>Антипризми</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>Правильні многогранники</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>Напівправильні тіла</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>Зірчасті многогранники</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Подорож навколо світу</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Зрізана піраміда</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Теорема Піфагора</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Послідовність анімації</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Гумка</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Верт</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Гориз</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Наступне запитання</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Показати відповідь</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Змішати</translation>
    </message>
</context>
</TS>
