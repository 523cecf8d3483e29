<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <source>Export Scores</source>
        <translation>Exportar pontuações</translation>
    </message>
    <message>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>As pontuações não podem ser exportadas sobre o próprio arquivo de pontuações. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Não foi possível exportar as pontuações para &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>As pontuações foram exportadas para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Arquivos CSV, separados por ponto e vírgula (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Arquivos CSV, separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <source>About Book</source>
        <translation>Sobre o livro</translation>
    </message>
    <message>
        <source>Cover of the book</source>
        <translation>Capa do livro</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutProgram</name>
    <message>
        <source>About Program</source>
        <translation>Sobre o programa</translation>
    </message>
    <message>
        <source>Quillara icon</source>
        <translation>Ícone do Quillara</translation>
    </message>
    <message>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 O projeto Quillara</translation>
    </message>
    <message>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Escrito pelos desenvolvedores e colaboradores do Quillara</translation>
    </message>
    <message>
        <source>Quillara web page</source>
        <translation>Página web do Quillara</translation>
    </message>
    <message>
        <source>Opens %1 in your browser</source>
        <translation>Abre %1 no seu navegador</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Aviso: este programa é protegido pela lei de direitos autorais e por tratados internacionais. Copiá-lo ou distribuí-lo, no todo ou em parte, sem permissão pode resultar em penalidades civis e criminais.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <source>Answer Response</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Correto!</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicação</translation>
    </message>
    <message>
        <source>Related glossary terms</source>
        <translation>Termos relacionados do glossário</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Você respondeu à pergunta incorretamente, veja por quê:</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Você respondeu à pergunta incorretamente; veja alguns termos do glossário relacionados a ela</translation>
    </message>
    <message>
        <source>You answered the question incorrectly.</source>
        <translation>Você respondeu à pergunta incorretamente.</translation>
    </message>
    <message>
        <source>Page:  </source>
        <translation>Página:  </translation>
    </message>
    <message>
        <source>Chapter:  </source>
        <translation>Capítulo:  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Sua resposta: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Resposta certa: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Termos relacionados: </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Refazer as perguntas erradas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Por capítulo&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Capítulo %1, %2: %3&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 das %2 perguntas não foram feitas: o questionário foi encerrado antes delas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 das %2 perguntas não foram feitas: a prova foi encerrada antes delas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas as perguntas respondidas estavam certas na primeira vez.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas as perguntas foram respondidas certo na primeira vez.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Perguntas erradas&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pontuação %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3%</source>
        <translation>%1 de %2, %3%</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <source>Search the Book</source>
        <translation>Pesquisar no livro</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Pesquisar por:</translation>
    </message>
    <message>
        <source>Word or phrase to search for</source>
        <translation>Palavra ou frase a pesquisar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Pesquisar</translation>
    </message>
    <message>
        <source>Preparing the book for searching</source>
        <translation>Preparando o livro para a pesquisa</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Preparing the book for searching…</source>
        <translation>Preparando o livro para a pesquisa…</translation>
    </message>
    <message>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Não foi possível preparar o livro para a pesquisa: %1</translation>
    </message>
    <message>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Preparando o livro para a pesquisa; a pesquisa será feita assim que ele estiver pronto…</translation>
    </message>
    <message>
        <source>Type a word or phrase to search for.</source>
        <translation>Digite uma palavra ou frase a pesquisar.</translation>
    </message>
    <message>
        <source>No matches for “%1”.</source>
        <translation>Nenhum resultado para “%1”.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 resultado.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 resultados.</translation>
    </message>
    <message>
        <source>The first %1 of %2 matches.</source>
        <translation>Os primeiros %1 de %2 resultados.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>Localizar na página</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fechar a barra de localização</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>from the top</source>
        <translation>do início</translation>
    </message>
    <message>
        <source>from the bottom</source>
        <translation>do fim</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>%1 de %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <source>Answer Response</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillara::gui::THelpWindow</name>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Quillara Help</source>
        <translation>Ajuda do Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <source>&amp;True False</source>
        <translation>&amp;Verdadeiro/Falso</translation>
    </message>
    <message>
        <source>True False</source>
        <translation>Verdadeiro/Falso</translation>
    </message>
    <message>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Inicia um questionário de Verdadeiro/Falso sobre este capítulo</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Múltipla escolha</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Múltipla escolha</translation>
    </message>
    <message>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Inicia um questionário de múltipla escolha sobre este capítulo</translation>
    </message>
    <message>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Verdadeiro/Falso / Múltipla &amp;escolha</translation>
    </message>
    <message>
        <source>True False/Multiple Choice</source>
        <translation>Verdadeiro/Falso/Múltipla escolha</translation>
    </message>
    <message>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Inicia um questionário de perguntas de Verdadeiro/Falso e de múltipla escolha sobre este capítulo</translation>
    </message>
    <message>
        <source>&amp;Word Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>Word Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Inicia um questionário de problemas sobre este capítulo</translation>
    </message>
    <message>
        <source>Studying Chapter</source>
        <translation>Capítulo em estudo</translation>
    </message>
    <message>
        <source>Studying Chapter: </source>
        <translation>Capítulo em estudo: </translation>
    </message>
    <message>
        <source>Chapter heading</source>
        <translation>Título do capítulo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>&amp;Abrir livro…</translation>
    </message>
    <message>
        <source>&amp;Save Scores</source>
        <translation>&amp;Salvar pontuações</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossário</translation>
    </message>
    <message>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Pesquisar no livro…</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Questionário</translation>
    </message>
    <message>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Associação do glossário</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Refazer as perguntas erradas</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>P&amp;ontuações</translation>
    </message>
    <message>
        <source>&amp;View saved scores</source>
        <translation>&amp;Ver pontuações salvas</translation>
    </message>
    <message>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Gráfico das pontuações do capítulo escolhido</translation>
    </message>
    <message>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exportar pontuações…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notas do autor</translation>
    </message>
    <message>
        <source>About &amp;Book...</source>
        <translation>Sobre o &amp;livro...</translation>
    </message>
    <message>
        <source>About &amp;Program...</source>
        <translation>Sobre o &amp;programa...</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Questionários</translation>
    </message>
    <message>
        <source>Glossary Matching</source>
        <translation>Associação do glossário</translation>
    </message>
    <message>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Inicia um questionário de associação do glossário sobre este capítulo</translation>
    </message>
    <message>
        <source>Retake Missed Questions</source>
        <translation>Refazer as perguntas erradas</translation>
    </message>
    <message>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Faz de novo as perguntas que você errou no último questionário ou prova</translation>
    </message>
    <message>
        <source>Chapter Topics</source>
        <translation>Tópicos do capítulo</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <source>Opens the glossary of the book</source>
        <translation>Abre o glossário do livro</translation>
    </message>
    <message>
        <source>Graph scores for chapter</source>
        <translation>Gráfico das pontuações do capítulo</translation>
    </message>
    <message>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Mostra um gráfico das suas pontuações neste capítulo</translation>
    </message>
    <message>
        <source>View saved scores</source>
        <translation>Ver pontuações salvas</translation>
    </message>
    <message>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Mostra as pontuações dos seus questionários e provas</translation>
    </message>
    <message>
        <source>Read authors notes</source>
        <translation>Ler as notas do autor</translation>
    </message>
    <message>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Mostra as notas do autor do livro</translation>
    </message>
    <message>
        <source>Quillara for %1</source>
        <translation>Quillara para %1</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Capítulo %1 - %2</translation>
    </message>
    <message>
        <source>Opens the page %1 of this chapter</source>
        <translation>Abre a página %1 deste capítulo</translation>
    </message>
    <message>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>O Quillara não conseguiu abrir um livro em %1.

%2</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Texto &amp;maior</translation>
    </message>
    <message>
        <source>S&amp;maller Text</source>
        <translation>Texto m&amp;enor</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Tamanho de texto &amp;normal</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <source>Glossary Matching Quiz</source>
        <translation>Questionário de associação do glossário</translation>
    </message>
    <message>
        <source>List of Selectable Terms</source>
        <translation>Lista de termos selecionáveis</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Encerrar questionário</translation>
    </message>
    <message>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Tem certeza de que deseja encerrar o questionário de associação?</translation>
    </message>
    <message>
        <source>End of Matching Quiz</source>
        <translation>Fim do questionário de associação</translation>
    </message>
    <message>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Associe a definição à esquerda ao termo mais adequado da lista à direita.  Para responder, basta clicar no termo que você acha correto.</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <source>none of its scores</source>
        <translation>nenhuma das suas pontuações</translation>
    </message>
    <message>
        <source>only its first score</source>
        <translation>apenas a sua primeira pontuação</translation>
    </message>
    <message>
        <source>only its first %1 scores</source>
        <translation>apenas as suas primeiras %1 pontuações</translation>
    </message>
    <message>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>O arquivo de pontuações %1 está danificado: foi possível ler %2.</translation>
    </message>
    <message>
        <source>The score file %1 was not read: %2.</source>
        <translation>O arquivo de pontuações %1 não foi lido: %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>O Quillara não conseguiu encontrar as propriedades do livro. É possível que partes do programa estejam danificadas ou não tenham sido instaladas. BOOK.DEF deve estar na mesma pasta que o programa. Se este erro continuar, reinstale o programa</translation>
    </message>
    <message>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>O Quillara foi encerrado da última vez antes de poder lhe dizer isto:</translation>
    </message>
    <message>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>O livro em %1 está danificado e não pode ser aberto.

%2</translation>
    </message>
    <message>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Não foi possível guardar uma cópia dele, então o Quillara não salvará pontuações sobre ele.</translation>
    </message>
    <message>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> O arquivo como estava foi guardado como %1. As pontuações que puderam ser lidas, e as que você adicionar, serão salvas em %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>O Quillara não conseguiu ler o glossário deste livro. É possível que partes do programa estejam danificadas ou não tenham sido instaladas. Se este erro continuar, reinstale o programa</translation>
    </message>
    <message>
        <source>Unable to save scores</source>
        <translation>Não foi possível salvar as pontuações</translation>
    </message>
    <message>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>O Quillara não pode salvar as pontuações como %1; por isso, elas ficam em %2.</translation>
    </message>
    <message>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>O glossário deste livro está danificado: só foi possível ler os seus primeiros %1 termos, que são mostrados.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <source>Book in currently selected directory:</source>
        <translation>Livro da pasta escolhida:</translation>
    </message>
    <message>
        <source>Title of the book</source>
        <translation>Título do livro</translation>
    </message>
    <message>
        <source>About the book, line 2</source>
        <translation>Sobre o livro, linha 2</translation>
    </message>
    <message>
        <source>About the book, line 3</source>
        <translation>Sobre o livro, linha 3</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>There is no book in %1.</source>
        <translation>Não há livro em %1.</translation>
    </message>
    <message>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>O livro em %1 não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Não é possível abrir a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <source>%1 of %2 for %3</source>
        <translation>%1 de %2, %3</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Test Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <source>Nothing has been answered yet</source>
        <translation>Nada foi respondido ainda</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Você acertou %1 de %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Capítulo %1 - %2</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Topic or term</source>
        <translation>Tópico ou termo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <source>Desired test size:</source>
        <translation>Tamanho desejado da prova:</translation>
    </message>
    <message>
        <source>Desired test size</source>
        <translation>Tamanho desejado da prova</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 perguntas</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Escolha os capítulos sobre os quais você quer ser avaliado e o número de perguntas que a prova deve ter.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Suas pontuações serão salvas em %1 em vez disso.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Gráfico das suas pontuações recentes neste capítulo</translation>
    </message>
    <message>
        <source>There are no saved scores for chapter %1</source>
        <translation>Não há pontuações salvas do capítulo %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Enter your answer:</source>
        <translation>Digite sua resposta:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Enviar sua resposta</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Encerrar questionário</translation>
    </message>
    <message>
        <source>Click this button to answer %1</source>
        <translation>Clique neste botão para responder %1</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Resposta %1</translation>
    </message>
    <message>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Pergunta %1 de %2, do capítulo %3</translation>
    </message>
    <message>
        <source>Error compiling expression</source>
        <translation>Erro ao compilar a expressão</translation>
    </message>
    <message>
        <source>Error evaluating expression</source>
        <translation>Erro ao avaliar a expressão</translation>
    </message>
    <message>
        <source>million</source>
        <translation>milhão</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>inteiro</translation>
    </message>
    <message>
        <source>(Round to nearest %1)</source>
        <translation>(Arredondar para %1)</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Encerrar prova</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Você acertou %1 de %2 perguntas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <source>Authors Notes</source>
        <translation>Notas do autor</translation>
    </message>
    <message>
        <source>Close Notes</source>
        <translation>Fechar notas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <source>Search for a term:</source>
        <translation>Pesquisar um termo:</translation>
    </message>
    <message>
        <source>Glossary terms</source>
        <translation>Termos do glossário</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>Close Glossary</source>
        <translation>Fechar glossário</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Chapter %1, page(s) %2</source>
        <translation>Capítulo %1, página(s) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <source>Cover of the book</source>
        <translation>Capa do livro</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <source>Saved Scores</source>
        <translation>Pontuações salvas</translation>
    </message>
    <message>
        <source>There are no saved score to view.</source>
        <translation>Não há pontuações salvas para ver.</translation>
    </message>
    <message>
        <source>Chart of the chosen score by chapter</source>
        <translation>Gráfico da pontuação escolhida por capítulo</translation>
    </message>
    <message>
        <source>Chapter %1: %2%</source>
        <translation>Capítulo %1: %2%</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <source>Topic page</source>
        <translation>Página do tópico</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Não foi possível carregar os arquivos indicados; verifique se o programa foi instalado corretamente</translation>
    </message>
</context>
</TS>
