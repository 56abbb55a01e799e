<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  The program's texts in Arabic. To correct one: find its English text
  between <source> and </source>, change only the Arabic between
  <translation> and </translation> beside it (keep %1, %2 and the numbers),
  then rebuild (tools/quorvane.sh run) and run tools/quorvane.sh test, which
  fails where a text no longer fits its box or its button picture.
  The words under ButtonFace are drawn on button pictures of 119 by 33 pixels:
  keep them short. QT_LAYOUT_DIRECTION must stay RTL, so that the screens read
  from right to left. Qt Linguist (linguist, package qt6-tools-dev-tools)
  edits this file as well as any text editor; docs/languages.md says more.
-->
<TS version="2.1" language="ar">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>الحل</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>المسودة</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>خلط</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>رمادي فاتح</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>رمادي داكن</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>سماوي فاتح</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>أحمر فاتح</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>أرجواني فاتح</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>صورة للخلف</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>صورة للأمام</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>الملف مقطوع</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>تعذّرت قراءة الصورة %1 (%2)</translation>
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
        <translation>كم وجهًا لمتعدد السطوح الثنوي لرباعي السطوح؟</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>كم وجهًا لمتعدد السطوح الثنوي لثماني السطوح؟</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>كم وجهًا لمتعدد السطوح الثنوي لعشروني السطوح؟</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>كم وجهًا لمتعدد السطوح الثنوي لاثني عشري السطوح؟</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>كم وجهًا لمتعدد السطوح الثنوي للمكعب؟</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>كم رأسًا لمتعدد السطوح الثنوي لرباعي السطوح؟</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>كم رأسًا لمتعدد السطوح الثنوي لثماني السطوح؟</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>كم رأسًا لمتعدد السطوح الثنوي لعشروني السطوح؟</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>كم رأسًا لمتعدد السطوح الثنوي لاثني عشري السطوح؟</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>كم رأسًا لمتعدد السطوح الثنوي للمكعب؟</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>إذا كان لمتعدد سطوح 30 حرفًا، فكم حرفًا لمتعدد السطوح الثنوي له؟</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>اكتب &apos;quorvane --help&apos; لعرض الخيارات.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: متعددات السطوح لتلاميذ المدارس، المجسمات الثنوية ورحلة هاملتون.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>عرض هذه الخيارات ثم الإنهاء.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>وضع العرض: ملء الشاشة كلها، لسبورة الصف (يبدّله F11).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>البدء مباشرة بنشاط (%1)؛ زر الخروج فيه يعود إلى القائمة.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>غرفة مقفلة: عنوان الويب في القائمة لا يفتح شيئًا.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>نشاط غير معروف &apos;%1&apos; للخيار --start: استعمل واحدًا من %2.</translation>
    </message>
    <message>
        <source>activity</source>
        <extracomment>The value that --start takes, as the help shows it: --start &lt;activity&gt;.</extracomment>
        <translation>نشاط</translation>
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
        <translation>موافق</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>خروج</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>صحيح، أحسنت!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>خطأ، حاول مرة أخرى</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>النقاط الواقعة في مراكز أوجه متعدد سطوح منتظم هي رؤوس متعدد سطوح منتظم آخر.
يُقال عن متعددَي سطوح بينهما هذه العلاقة إنهما متعددا سطوح ثنويان.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>عدد الأحرف الملتقية عند رأس متعدد سطوح منتظم يساوي عدد أحرف كل وجه من أوجه متعدد السطوح الثنوي له. فمثلًا، تلتقي أربعة أحرف عند كل رأس من رؤوس ثماني السطوح، والثنوي لثماني السطوح مكعب أوجهه مربعات.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>الثنوية</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>إجابتك</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>صحيح حتى منزلتين عشريتين:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>الحل</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>المسودة</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>%1. The answer box is empty again.</source>
        <extracomment>Spoken after &quot;Wrong, Try Again&quot;, which empties the answer box.</extracomment>
        <translation>%1. مربع الإجابة فارغ من جديد.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <extracomment>Spoken when the expected answer is shown; %1 is the number the screen shows.</extracomment>
        <translation>الإجابة هي %1.</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>طريق من %1 إلى %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>رحلة هاملتون حول العالم</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>اخترع عالم الرياضيات الشهير ويليام هاملتون في القرن التاسع عشر لعبة سمّاها «رحلة حول العالم». تُلعب اللعبة على اثني عشري السطوح، وقد أُعطي كل رأس من رؤوسه اسم مدينة. ليفوز اللاعب عليه أن يبدأ من مدينة وينتقل على أحرف اثني عشري السطوح ليزور كل مدينة من المدن الأخرى مرة واحدة ثم يعود إلى مدينة البداية، دون أن يمرّ على أي حرف أكثر من مرة. يُسمّى مثل هذا المسار دارة هاملتونية.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>جد دارة هاملتونية على مخطط اثني عشري السطوح المعروض هنا. انقر منتصف كل حرف لتغيير لونه.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>أظهر التلميح</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>الحل</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. The arrow keys go from road to road, and Space marks a road or takes its mark away. Tab leads on to Show Clue and Check.</source>
        <translation>ابحث عن دورة هاملتونية على مخطط اثني عشري السطوح الظاهر هنا. تنتقل مفاتيح الأسهم من طريق إلى طريق، ويضع مفتاح المسافة علامة على الطريق أو يزيلها. ويقود مفتاح Tab إلى «أظهر التلميح» و«تحقّق».</translation>
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
        <translation>الإصدار 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>الأهرام</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>الثنوية</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>المواشير</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>المواشير المضادة</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>متعددات السطوح المنتظمة</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>متعددات سطوح شبه منتظمة</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>متعددات السطوح النجمية</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>رحلة حول العالم</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>الهرم الناقص</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>مبرهنة فيثاغورس</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>سلسلة الرسوم المتحركة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>There is no web browser on this computer.</source>
        <extracomment>Shown for a few seconds above the web address when no browser could open it.</extracomment>
        <translation>لا يوجد متصفح ويب على هذا الحاسوب.</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>المسودة</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>قلم</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>ممحاة</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>قائم</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>أفقي</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>السؤال التالي</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>أظهر الإجابة</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>المسودة</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>خلط</translation>
    </message>
</context>
<context>
    <name>Animation</name>
    <message>
        <source>Animation: a cube turns with an octahedron inside it, each corner of the octahedron at the centre of a face of the cube.</source>
        <translation>رسم متحرك: مكعب يدور وفي داخله ثماني سطوح، كل رأس من رؤوس ثماني السطوح في مركز وجه من أوجه المكعب.</translation>
    </message>
    <message>
        <source>Animation: a tetrahedron turns with its dual, another tetrahedron, growing through it into a star.</source>
        <translation>رسم متحرك: رباعي سطوح يدور مع ثنويه، رباعي سطوح آخر، ينمو خلاله حتى يصير نجمة.</translation>
    </message>
    <message>
        <source>Animation: a dodecahedron turns with an icosahedron inside it, each corner of the icosahedron at the centre of a face of the dodecahedron.</source>
        <translation>رسم متحرك: اثنا عشري سطوح يدور وفي داخله عشروني سطوح، كل رأس من رؤوس عشروني السطوح في مركز وجه من أوجه اثني عشري السطوح.</translation>
    </message>
    <message>
        <source>The clue: a dodecahedron opens out flat into the graph on this screen, and a route travels along half of a circuit.</source>
        <translation>التلميح: اثنا عشري سطوح ينبسط على المستوي فيصير المخطط الظاهر على هذه الشاشة، ويسير طريق على نصف دورة.</translation>
    </message>
</context>
</TS>
