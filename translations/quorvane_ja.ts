<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How to correct this translation: open this file in Qt Linguist (the program
  "linguist", Debian package qt6-tools-dev-tools) or in any text editor, change
  the text between <translation> and </translation>, save, and rebuild the
  program (tools/quorvane.sh run). Keep %1, %2 and the numbers as they are, and
  the words under ButtonFace short. docs/languages.md tells the rest.

  この翻訳の直し方：Qt Linguist（プログラム名 linguist、Debian パッケージ
  qt6-tools-dev-tools）または好きなテキストエディターでこのファイルを開き、
  <translation> と </translation> の間の文を直して保存し、プログラムを
  ビルドし直します（tools/quorvane.sh run）。%1、%2 と数字はそのままに、
  ButtonFace の語は短くしてください。くわしくは docs/languages.md にあります。
-->
<TS version="2.1" language="ja">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>次の問題</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>答え</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>答え合わせ</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>シャッフル</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>明るい灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>暗い灰色</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>明るい青</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>明るい青緑</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>明るい赤</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>明るい赤紫</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>前のコマ</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>次のコマ</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>画像 %1 を読み込めません（%2）</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>正四面体と双対な多面体には、面がいくつありますか。</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>正八面体と双対な多面体には、面がいくつありますか。</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>正二十面体と双対な多面体には、面がいくつありますか。</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>正十二面体と双対な多面体には、面がいくつありますか。</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>立方体と双対な多面体には、面がいくつありますか。</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>正四面体と双対な多面体には、頂点がいくつありますか。</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>正八面体と双対な多面体には、頂点がいくつありますか。</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>正二十面体と双対な多面体には、頂点がいくつありますか。</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>正十二面体と双対な多面体には、頂点がいくつありますか。</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>立方体と双対な多面体には、頂点がいくつありますか。</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>辺が30本ある多面体と双対な多面体には、辺が何本ありますか。</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>オプションの一覧は「quorvane --help」で見られます。</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2：児童・生徒のための多面体の学習ソフト。双対多面体とハミルトンの世界一周の旅。</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>このオプション一覧を表示して終了します。</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>プレゼンテーションモード：教室の大型画面用に、画面全体に表示します（F11 キーで切り替え）。</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>起動するとすぐに活動（%1）を開きます。その活動の「終了」でメニューに戻ります。</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>制限された教室用：メニューのウェブアドレスを押しても何も開きません。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」があります。</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>--start の活動「%1」はありません。%2 のどれかを指定してください。</translation>
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
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>正解！お見事！</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>不正解、もう一度</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>正多面体の各面の中心にある点は、別の正多面体の頂点になります。
このような関係にある2つの多面体を、双対多面体といいます。</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>正多面体の1つの頂点に集まる辺の数は、その双対多面体の1つの面の辺の数と等しくなります。たとえば、正八面体ではどの頂点にも4本の辺が集まり、正八面体の双対多面体は、面が正方形の立方体です。</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>双対多面体</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>あなたの答え</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>小数第2位まで：</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>答え合わせ</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>答え</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>次の問題</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>%1 から %2 への道</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>ハミルトンの世界一周の旅</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>19世紀の有名な数学者ウィリアム・ハミルトンは「世界一周の旅」というゲームを考えました。正十二面体の各頂点に都市の名前がついていて、ある都市から出発し、辺にそって進んで、ほかのすべての都市を1回ずつ訪れてから出発した都市に戻れば勝ちです。同じ辺を2回通ってはいけません。このような道すじをハミルトン閉路といいます。</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>正十二面体のグラフでハミルトン閉路を見つけよう。辺の中央をクリックすると色が変わります。</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>ヒントを見る</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>答え合わせ</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>答え</translation>
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
        <translation>バージョン 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>角錐</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>双対多面体</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Prisms</source>
        <translation>角柱</translation>
    </message>
    <message>
        <source>Anti-prisms</source>
        <translation>反角柱</translation>
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
        <translation>星型多面体</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>世界一周の旅</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>角錐台</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>三平方の定理</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s first button when the menu brings it back: back to the menu.</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>notepad</name>
    <message>
        <source>Jotter</source>
        <extracomment>The scribbling pad&apos;s window.</extracomment>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>書く</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>消す</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>全消去</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>縦長</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>横長</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>次の問題</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>答えを見る</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>答え合わせ</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>シャッフル</translation>
    </message>
</context>
</TS>
