<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  How a teacher corrects this translation (Portuguese as spoken in Brazil):
  open this file in Qt Linguist (the program linguist, Debian package
  qt6-tools-dev-tools) or in any text editor, and change the text of the
  translation beside the English source. Keep %1, %2 and the numbers as they
  are, and the six words under ButtonFace short: they are drawn on buttons.
  Then rebuild (tools/quorvane.sh run) and run tools/quorvane.sh test, which
  says where a text no longer fits its box. docs/languages.md tells more.

  Como um professor corrige esta tradução (português do Brasil): abra este
  arquivo no Qt Linguist (o programa linguist, pacote Debian
  qt6-tools-dev-tools) ou em qualquer editor de texto e altere o texto da
  tradução ao lado do original em inglês. Mantenha %1, %2 e os números como
  estão, e as seis palavras em ButtonFace curtas: elas são desenhadas nos
  botões. Depois recompile (tools/quorvane.sh run) e rode
  tools/quorvane.sh test, que mostra onde um texto não cabe mais na caixa.
  Mais detalhes em docs/languages.md.
-->
<TS version="2.1" language="pt_BR">
<context>
    <name>ButtonFace</name>
    <message>
        <source>Exit</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: the next question.</extracomment>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: shows the answer.</extracomment>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: checks the pupil&apos;s answer.</extracomment>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.</extracomment>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.</extracomment>
        <translation>Misturar</translation>
    </message>
</context>
<context>
    <name>ConsolePalette</name>
    <message>
        <source>black</source>
        <translation>preto</translation>
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
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>cinza-claro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>cinza-escuro</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>light cyan</source>
        <translation>ciano-claro</translation>
    </message>
    <message>
        <source>light red</source>
        <translation>vermelho-claro</translation>
    </message>
    <message>
        <source>light magenta</source>
        <translation>magenta-claro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
</context>
<context>
    <name>MediaPanel</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Shows the animation&apos;s previous frame.</extracomment>
        <translation>Quadro anterior</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Shows the animation&apos;s next frame.</extracomment>
        <translation>Próximo quadro</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>the file is cut off</source>
        <translation>o arquivo está cortado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>cannot read picture %1 (%2)</source>
        <extracomment>A line on the terminal: %1 is the picture&apos;s name, %2 why it could not be read.</extracomment>
        <translation>não foi possível ler a imagem %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>How many faces does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Quantas faces tem o poliedro dual do tetraedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the octahedron?</source>
        <translation>Quantas faces tem o poliedro dual do octaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Quantas faces tem o poliedro dual do icosaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Quantas faces tem o poliedro dual do dodecaedro?</translation>
    </message>
    <message>
        <source>How many faces does the polyhedron have that is dual to the cube?</source>
        <translation>Quantas faces tem o poliedro dual do cubo?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the tetrahedron?</source>
        <translation>Quantos vértices tem o poliedro dual do tetraedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the octahedron?</source>
        <translation>Quantos vértices tem o poliedro dual do octaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the icosahedron?</source>
        <translation>Quantos vértices tem o poliedro dual do icosaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the dodecahedron?</source>
        <translation>Quantos vértices tem o poliedro dual do dodecaedro?</translation>
    </message>
    <message>
        <source>How many vertices does the polyhedron have that is dual to the cube?</source>
        <translation>Quantos vértices tem o poliedro dual do cubo?</translation>
    </message>
    <message>
        <source>If a polyhedron has 30 edges, how many edges does its dual have?</source>
        <translation>Se um poliedro tem 30 arestas, quantas arestas tem o seu dual?</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Try &apos;quorvane --help&apos; for the options.</source>
        <translation>Use “quorvane --help” para ver as opções.</translation>
    </message>
    <message>
        <source>Quorvane 2: polyhedra for school pupils, duals and Hamilton&apos;s voyage.</source>
        <translation>Quorvane 2: poliedros para alunos, poliedros duais e a viagem de Hamilton.</translation>
    </message>
    <message>
        <source>Show these options and end.</source>
        <translation>Mostrar estas opções e sair.</translation>
    </message>
    <message>
        <source>Presentation mode: fill the whole screen, for a classroom board (F11 toggles it).</source>
        <translation>Modo de apresentação: ocupar a tela inteira, para a lousa da sala de aula (F11 alterna).</translation>
    </message>
    <message>
        <source>Open straight onto an activity (%1); its Exit leads to the menu.</source>
        <translation>Abrir direto em uma atividade (%1); o botão Sair dela volta ao menu.</translation>
    </message>
    <message>
        <source>Locked-down room: the menu&apos;s web address opens nothing.</source>
        <translation>Sala bloqueada: o endereço da web no menu não abre nada.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Unknown activity &apos;%1&apos; for --start: use one of %2.</source>
        <translation>Atividade desconhecida “%1” para --start: use uma destas: %2.</translation>
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
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Correto, muito bem!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Não, tente de novo</translation>
    </message>
</context>
<context>
    <name>duality</name>
    <message>
        <source>The points at the centres of the faces of a regular polyhedron are the vertices of another regular polyhedron.                   Two polyhedra that are related in this way are described as dual polyhedra.</source>
        <extracomment>The run of blanks pushes the second sentence onto a line of its own; a line break does the same.</extracomment>
        <translation>Os centros das faces de um poliedro regular são os vértices de outro poliedro regular.
Dois poliedros relacionados dessa forma são chamados de poliedros duais.</translation>
    </message>
    <message>
        <source>The number of edges meeting at a vertex of a regular polygon is equal to the number of edges in each of the faces of its dual. For instance, octahedra have four edges meeting at each vertex and the dual of the octahedron is a cube whose faces are squares.</source>
        <translation>O número de arestas que se encontram em um vértice de um poliedro regular é igual ao número de arestas de cada face do seu dual. Por exemplo, no octaedro quatro arestas se encontram em cada vértice, e o dual do octaedro é o cubo, cujas faces são quadrados.</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>The window of the quiz on dual polyhedra.</extracomment>
        <translation>Dualidade</translation>
    </message>
    <message>
        <source>Your answer</source>
        <extracomment>The box where the pupil types the answer, as a screen reader names it.</extracomment>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <translation>Com duas casas decimais:</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>A label beside the animation that is always shown disabled.</extracomment>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the typed answer.</extracomment>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show the expected answer.</extracomment>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Button: open the Jotter, the scribbling pad.</extracomment>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button: the next question.</extracomment>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>hamilton</name>
    <message>
        <source>Road from %1 to %2</source>
        <comment>accessible name of an edge between two numbered cities</comment>
        <translation>Estrada de %1 a %2</translation>
    </message>
    <message>
        <source>Hamilton&apos;s Voyage Around the World</source>
        <translation>A Viagem ao Redor do Mundo de Hamilton</translation>
    </message>
    <message>
        <source>The famous 19th century mathematician William Hamilton invented a game called &apos;A Voyage Around the World&apos;. The game is played on a dodecahedron whose vertices have each been given the name of a city. To win the game a player must start at a city and travel along the edges of the dodecahedron to visit each of the other cities on the dodecahedron once and return to the starting city, without travelling along any edge more than once. Such a route is called a Hamiltonian circuit.</source>
        <translation>O famoso matemático do século XIX William Hamilton inventou um jogo chamado “Uma Viagem ao Redor do Mundo”. O tabuleiro do jogo é um dodecaedro em que cada vértice recebeu o nome de uma cidade. Para vencer, o jogador parte de uma cidade, segue pelas arestas do dodecaedro visitando uma única vez cada uma das outras cidades e volta à cidade de partida, sem passar mais de uma vez pela mesma aresta. Um caminho assim se chama ciclo hamiltoniano.</translation>
    </message>
    <message>
        <source>Find a Hamiltonian circuit on the dodecahedral graph shown here. Click the centre of each edge to change its colour.</source>
        <translation>Encontre um ciclo hamiltoniano no grafo do dodecaedro mostrado aqui. Clique no meio de cada aresta para mudar a cor dela.</translation>
    </message>
    <message>
        <source>Show Clue</source>
        <extracomment>Clicking it shows the clue animation.</extracomment>
        <translation>Mostrar dica</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: back to the topic menu.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Button: check the marked edges.</extracomment>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Button: show a solution.</extracomment>
        <translation>Resposta</translation>
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
        <translation>versão 4.0.004</translation>
    </message>
    <message>
        <source>Pyramids</source>
        <translation>Pirâmides</translation>
    </message>
    <message>
        <source>Duality</source>
        <extracomment>A topic of the menu: the quiz on dual polyhedra.</extracomment>
        <translation>Dualidade</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The menu&apos;s exit button, back to the title screen.</extracomment>
        <translation>Sair</translation>
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
        <translation>Poliedros estrelados</translation>
    </message>
    <message>
        <source>Voyage Around the World</source>
        <extracomment>The topic of Hamilton&apos;s game on the dodecahedron.</extracomment>
        <translation>Viagem ao redor do mundo</translation>
    </message>
    <message>
        <source>The Frustrum of a Pyramid</source>
        <extracomment>The frustum of a pyramid (a topic; the English spelling is the program&apos;s own).</extracomment>
        <translation>Tronco de pirâmide</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sequência de animação</translation>
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
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Closes the Jotter.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Back to the pen after erasing.</extracomment>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Turns the pen into a wide eraser.</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Wipes the whole drawing.</extracomment>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to portrait</comment>
        <extracomment>Turns the wide pad upright (a narrow button).</extracomment>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>Flip</source>
        <comment>to landscape</comment>
        <extracomment>Turns the upright pad wide again.</extracomment>
        <translation>Horiz.</translation>
    </message>
</context>
<context>
    <name>standardlayout</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostrar a resposta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Jotter</source>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Misturar</translation>
    </message>
</context>
</TS>
