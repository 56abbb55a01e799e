<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How to correct this translation: open this file in Qt Linguist (the program
  "linguist", Debian package qt6-tools-dev-tools) or in any text editor, change
  the text between <translation> and </translation>, save, and rebuild the
  program (tools/quorvane.sh run). Keep %1, %2 and the numbers as they are, and
  the words under ButtonFace short. docs/languages.md tells the rest.

  如何修改本翻译：用 Qt Linguist（程序名 linguist，Debian 软件包
  qt6-tools-dev-tools）或任意文本编辑器打开本文件，修改 <translation> 和
  </translation> 之间的文字，保存后重新构建程序（tools/quorvane.sh run）。
  请保留 %1、%2 和数字不变；ButtonFace 下的词要简短。详见 docs/languages.md。
-->
<TS version="2.1" language="zh_CN">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>答案</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>打乱</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>浅灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>浅青色</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>浅红色</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>浅品红色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>上一帧</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>下一帧</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>无法读取图片 %1（%2）</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>与正四面体对偶的多面体有几个面？</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>与正八面体对偶的多面体有几个面？</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>与正二十面体对偶的多面体有几个面？</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>与正十二面体对偶的多面体有几个面？</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>与正方体对偶的多面体有几个面？</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>与正四面体对偶的多面体有几个顶点？</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>与正八面体对偶的多面体有几个顶点？</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>与正二十面体对偶的多面体有几个顶点？</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>与正十二面体对偶的多面体有几个顶点？</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>与正方体对偶的多面体有几个顶点？</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>一个多面体有30条棱，它的对偶多面体有几条棱？</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>运行“quorvane --help”可以查看全部选项。</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2：给中小学生学习多面体的软件，包括对偶多面体和哈密顿的环游世界。</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>显示这些选项，然后退出。</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>演示模式：占满整个屏幕，适合教室里的大屏幕（按 F11 切换）。</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>直接打开一项活动（%1）；活动里的“退出”回到菜单。</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>受限的机房：点击菜单里的网址不会打开任何网页。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>--start 后面的活动“%1”不存在，请从 %2 中选一个。</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program.</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>正确，做得好！</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>不对，再试一次</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>正多面体各个面的中心，是另一个正多面体的顶点。
像这样相互联系的两个多面体，叫作对偶多面体。</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>正多面体每个顶点处相交的棱数，等于它的对偶多面体每个面的边数。例如，正八面体的每个顶点处有四条棱相交，而正八面体的对偶多面体是正方体，它的每个面都是正方形。</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>对偶多面体</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>你的答案</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>保留两位小数：</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>答案</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>从 %1 到 %2 的路</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>哈密顿的环游世界</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>19世纪著名数学家威廉·哈密顿发明了一个叫作“环游世界”的游戏。游戏在一个正十二面体上进行，它的每个顶点都用一座城市的名字命名。要赢得游戏，玩家必须从一座城市出发，沿着正十二面体的棱前进，把其他每座城市都恰好经过一次，最后回到出发的城市，而且每条棱最多只能走一次。这样的路线叫作哈密顿回路。</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>在这里的正十二面体图上找出一条哈密顿回路。点击一条边的中点，就能改变它的颜色。</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>答案</translation>
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
        <translation>版本 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>棱锥</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>对偶多面体</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>棱柱</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>反棱柱</translation>
    </message>
    <message>
        <source>Regular Polyhedra</source>
        <translation>正多面体</translation>
    </message>
    <message>
        <source>Semi-regular Polyhedra</source>
        <translation>半正多面体</translation>
    </message>
    <message>
        <source>Stellated Polyhedra</source>
        <translation>星形多面体</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>环游世界</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>棱台</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>勾股定理</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>动画演示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>书写</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>橡皮</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>清空</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>竖放</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>横放</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>显示答案</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>打乱</translation>
    </message>
</context>
</TS>
