<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  The program's texts in Hebrew. To correct one: find its English text
  between <source> and </source>, change only the Hebrew between
  <translation> and </translation> beside it (keep %1, %2 and the numbers),
  then rebuild (tools/quorvane.sh run) and run tools/quorvane.sh test, which
  fails where a text no longer fits its box or its button picture.
  The words under ButtonFace are drawn on button pictures of 119 by 33 pixels:
  keep them short. QT_LAYOUT_DIRECTION must stay RTL, so that the screens read
  from right to left. Qt Linguist (linguist, package qt6-tools-dev-tools)
  edits this file as well as any text editor; docs/languages.md says more.
-->
<TS version="2.1" language="he">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>פתרון</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>פנקס</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>ערבוב</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>טורקיז</translation>
    </message>
    <message>
        <source>red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>מג׳נטה</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>חום</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>אפור בהיר</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>אפור כהה</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>כחול בהיר</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>ירוק בהיר</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>טורקיז בהיר</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>אדום בהיר</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>מג׳נטה בהיר</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>white</source>
        <translation>לבן</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>הפעלה</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>השהיה</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>תמונה אחורה</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>תמונה קדימה</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>הקובץ קטוע</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>לא נמצא</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>אין אפשרות לקרוא את התמונה %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>RTL for a language written from right to left (Arabic, Hebrew), LTR for any other: Qt turns every screen to match.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>כמה פאות יש לפאון הדואלי לארבעון?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>כמה פאות יש לפאון הדואלי לתמניון?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>כמה פאות יש לפאון הדואלי לעשרימון?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>כמה פאות יש לפאון הדואלי לתריסרון?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>כמה פאות יש לפאון הדואלי לקובייה?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>כמה קודקודים יש לפאון הדואלי לארבעון?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>כמה קודקודים יש לפאון הדואלי לתמניון?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>כמה קודקודים יש לפאון הדואלי לעשרימון?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>כמה קודקודים יש לפאון הדואלי לתריסרון?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>כמה קודקודים יש לפאון הדואלי לקובייה?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>לפאון יש 30 מקצועות. כמה מקצועות יש לפאון הדואלי לו?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>הקלידו &apos;quorvane --help&apos; כדי לראות את האפשרויות.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: פאונים לתלמידי בית הספר, פאונים דואליים והמסע של המילטון.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>הצגת האפשרויות האלה ויציאה.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>מצב מצגת: מילוי המסך כולו, ללוח הכיתה (F11 מחליף).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>פתיחה ישירה בפעילות (%1); היציאה ממנה מובילה לתפריט.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>חדר נעול: כתובת האינטרנט שבתפריט אינה פותחת דבר.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>פעילות לא ידועה &apos;%1&apos; עבור --start: יש לבחור אחת מתוך %2.</translation>
    </message>
    <message>
        <source>activity</source>
        <extracomment>The value that --start takes, as the help shows it: --start &lt;activity&gt;.</extracomment>
        <translation>פעילות</translation>
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
        <translation>אישור</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>יציאה</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>נכון, כל הכבוד!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>לא נכון, נסו שוב</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>מרכזי הפאות של פאון משוכלל הם הקודקודים של פאון משוכלל אחר.
שני פאונים הקשורים זה לזה כך נקראים פאונים דואליים.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>מספר המקצועות הנפגשים בקודקוד של פאון משוכלל שווה למספר המקצועות בכל פאה של הפאון הדואלי לו. למשל, בכל קודקוד של תמניון נפגשים ארבעה מקצועות, והפאון הדואלי לתמניון הוא קובייה שפאותיה ריבועים.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>דואליות</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>התשובה שלך</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>נכון עד שתי ספרות אחרי הנקודה:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>פתרון</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>פנקס</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>%1. The answer box is empty again.</source>
        <extracomment>Spoken after &quot;Wrong, Try Again&quot;, which empties the answer box.</extracomment>
        <translation>%1. תיבת התשובה ריקה שוב.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <extracomment>Spoken when the expected answer is shown; %1 is the number the screen shows.</extracomment>
        <translation>התשובה היא %1.</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>דרך מ־%1 אל %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>המסע של המילטון מסביב לעולם</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>המתמטיקאי המפורסם ויליאם המילטון, בן המאה ה־19, המציא משחק בשם ״מסע מסביב לעולם״. המשחק נערך על תריסרון שלכל אחד מקודקודיו ניתן שם של עיר. כדי לנצח, השחקן צריך להתחיל בעיר אחת, לנוע לאורך מקצועות התריסרון, לבקר בכל אחת מהערים האחרות פעם אחת ולחזור לעיר המוצא, בלי לעבור באף מקצוע יותר מפעם אחת. מסלול כזה נקרא מעגל המילטוני.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>מצאו מעגל המילטוני בגרף התריסרון שמוצג כאן. לחצו על מרכז כל מקצוע כדי לשנות את צבעו.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>הצגת רמז</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>פתרון</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. The arrow keys go from road to road, and Space marks a road or takes its mark away. Tab leads on to Show Clue and Check.</source>
        <translation>מצאו מעגל המילטוני בגרף התריסרון שמוצג כאן. מקשי החצים עוברים מדרך לדרך, ומקש הרווח מסמן דרך או מסיר את הסימון שלה. המקש Tab מוביל אל ״הצגת רמז״ ואל ״בדיקה״.</translation>
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
        <translation>גרסה 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>פירמידות</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>דואליות</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>מנסרות</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>אנטי־מנסרות</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>פאונים משוכללים</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>פאונים משוכללים למחצה</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>פאונים מכוכבים</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>מסע מסביב לעולם</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>פירמידה קטומה</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>משפט פיתגורס</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>רצף הנפשה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>There is no web browser on this computer.</source>
        <extracomment>Shown for a few seconds above the web address when no browser could open it.</extracomment>
        <translation>אין דפדפן אינטרנט במחשב הזה.</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>פנקס</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>כתיבה</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>ניקוי</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>אנכי</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>אופקי</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>השאלה הבאה</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>הצגת התשובה</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>פנקס</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>ערבוב</translation>
    </message>
</context>
<context>
    <name>Animation</name>
    <message>
        <source>Animation: a cube turns with an octahedron inside it, each corner of the octahedron at the centre of a face of the cube.</source>
        <translation>אנימציה: קובייה מסתובבת ובתוכה תמניון, כל קודקוד של התמניון במרכז פאה של הקובייה.</translation>
    </message>
    <message>
        <source>Animation: a tetrahedron turns with its dual, another tetrahedron, growing through it into a star.</source>
        <translation>אנימציה: ארבעון מסתובב עם הדואלי שלו, ארבעון נוסף, שגדל דרכו לכוכב.</translation>
    </message>
    <message>
        <source>Animation: a dodecahedron turns with an icosahedron inside it, each corner of the icosahedron at the centre of a face of the dodecahedron.</source>
        <translation>אנימציה: תריסרון מסתובב ובתוכו עשרימון, כל קודקוד של העשרימון במרכז פאה של התריסרון.</translation>
    </message>
    <message>
        <source>The clue: a dodecahedron opens out flat into the graph on this screen, and a route travels along half of a circuit.</source>
        <translation>הרמז: תריסרון נפרש לשטוח והופך לגרף שעל המסך הזה, ומסלול עובר לאורך חצי ממעגל.</translation>
    </message>
</context>
</TS>
