<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <location filename="../src/gui/scores/export_scores.cpp" line="+75"/>
        <source>Export Scores</source>
        <translation>Exportar pontuações</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>As pontuações não podem ser exportadas sobre o próprio arquivo de pontuações. Escolha outro nome.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Não foi possível exportar as pontuações para &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>As pontuações foram exportadas para &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Arquivos CSV, separados por ponto e vírgula (*.csv)</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Arquivos CSV, separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <location filename="../src/gui/help/about_box.cpp" line="+32"/>
        <source>About Book</source>
        <translation>Sobre o livro</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cover of the book</source>
        <translation>Capa do livro</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutProgram</name>
    <message>
        <location filename="../src/gui/help/about_program.cpp" line="+42"/>
        <source>About Program</source>
        <translation>Sobre o programa</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Quillara icon</source>
        <translation>Ícone do Quillara</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 O projeto Quillara</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Escrito pelos desenvolvedores e colaboradores do Quillara</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara web page</source>
        <translation>Página web do Quillara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens %1 in your browser</source>
        <translation>Abre %1 no seu navegador</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Aviso: este programa é protegido pela lei de direitos autorais e por tratados internacionais. Copiá-lo ou distribuí-lo, no todo ou em parte, sem permissão pode resultar em penalidades civis e criminais.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <location filename="../src/gui/quiz/answer_response_form.cpp" line="+73"/>
        <source>Answer Response</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Correct!</source>
        <translation>Correto!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Explanation</source>
        <translation>Explicação</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Related glossary terms</source>
        <translation>Termos relacionados do glossário</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Try Again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Next Question</source>
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Você respondeu à pergunta incorretamente, veja por quê:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Você respondeu à pergunta incorretamente; veja alguns termos do glossário relacionados a ela</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You answered the question incorrectly.</source>
        <translation>Você respondeu à pergunta incorretamente.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Page:  </source>
        <translation>Página:  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter:  </source>
        <translation>Capítulo:  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <location filename="../src/gui/quiz/attempt_results_view.cpp" line="+51"/>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Sua resposta: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Resposta certa: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Termos relacionados: </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Refazer as perguntas erradas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Por capítulo&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Capítulo %1, %2: %3&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 das %2 perguntas não foram feitas: o questionário foi encerrado antes delas.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 das %2 perguntas não foram feitas: a prova foi encerrada antes delas.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas as perguntas respondidas estavam certas na primeira vez.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas as perguntas foram respondidas certo na primeira vez.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Perguntas erradas&lt;/h3&gt;</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Score %1</source>
        <translation>Pontuação %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>%1 of %2, %3%</source>
        <translation>%1 de %2, %3%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Falso</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <location filename="../src/gui/search/book_search_dialog.cpp" line="+25"/>
        <source>Search the Book</source>
        <translation>Pesquisar no livro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search &amp;for:</source>
        <translation>&amp;Pesquisar por:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Word or phrase to search for</source>
        <translation>Palavra ou frase a pesquisar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation>&amp;Pesquisar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the book for searching</source>
        <translation>Preparando o livro para a pesquisa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Matches</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Preparing the book for searching…</source>
        <translation>Preparando o livro para a pesquisa…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Não foi possível preparar o livro para a pesquisa: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Preparando o livro para a pesquisa; a pesquisa será feita assim que ele estiver pronto…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type a word or phrase to search for.</source>
        <translation>Digite uma palavra ou frase a pesquisar.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No matches for “%1”.</source>
        <translation>Nenhum resultado para “%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 match.</source>
        <translation>1 resultado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 matches.</source>
        <translation>%1 resultados.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first %1 of %2 matches.</source>
        <translation>Os primeiros %1 de %2 resultados.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <location filename="../src/gui/widgets/find_bar.cpp" line="+41"/>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find in the page</source>
        <translation>Localizar na página</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the find bar</source>
        <translation>Fechar a barra de localização</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>from the top</source>
        <translation>do início</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>from the bottom</source>
        <translation>do fim</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2, %3</source>
        <translation>%1 de %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <location filename="../src/gui/quiz/glos_answer_response.cpp" line="+24"/>
        <source>Answer Response</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillara::gui::THelpWindow</name>
    <message>
        <location filename="../src/gui/help/help_window.cpp" line="+54"/>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Quillara Help</source>
        <translation>Ajuda do Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <location filename="../src/gui/app/main_form.cpp" line="+71"/>
        <location line="+22"/>
        <source>&amp;True False</source>
        <translation>&amp;Verdadeiro/Falso</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>True False</source>
        <translation>Verdadeiro/Falso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Inicia um questionário de Verdadeiro/Falso sobre este capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Múltipla escolha</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Multiple Choice</source>
        <translation>Múltipla escolha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Inicia um questionário de múltipla escolha sobre este capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Verdadeiro/Falso / Múltipla &amp;escolha</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>True False/Multiple Choice</source>
        <translation>Verdadeiro/Falso/Múltipla escolha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Inicia um questionário de perguntas de Verdadeiro/Falso e de múltipla escolha sobre este capítulo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Word Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Inicia um questionário de problemas sobre este capítulo</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+8"/>
        <source>Studying Chapter</source>
        <translation>Capítulo em estudo</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Studying Chapter: </source>
        <translation>Capítulo em estudo: </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Chapter heading</source>
        <translation>Título do capítulo</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Book…</source>
        <translation>&amp;Abrir livro…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Save Scores</source>
        <translation>&amp;Salvar pontuações</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossário</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Pesquisar no livro…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Study &amp;Progress</source>
        <translation>Progresso do es&amp;tudo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quiz</source>
        <translation>&amp;Questionário</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Associação do glossário</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Refazer as perguntas erradas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Review &amp;Due Questions</source>
        <translation>Revisar as questões pen&amp;dentes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Scores</source>
        <translation>P&amp;ontuações</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View saved scores</source>
        <translation>&amp;Ver pontuações salvas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Gráfico das pontuações do capítulo escolhido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exportar pontuações…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notas do autor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About &amp;Book...</source>
        <translation>Sobre o &amp;livro...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Program...</source>
        <translation>Sobre o &amp;programa...</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Quizzes</source>
        <translation>Questionários</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Glossary Matching</source>
        <translation>Associação do glossário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Inicia um questionário de associação do glossário sobre este capítulo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retake Missed Questions</source>
        <translation>Refazer as perguntas erradas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Faz de novo as perguntas que você errou no último questionário ou prova</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+221"/>
        <location line="+276"/>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <location line="-496"/>
        <source>Asks again the questions due for review</source>
        <translation>Pergunta de novo as questões pendentes de revisão</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Chapter Topics</source>
        <translation>Tópicos do capítulo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Miscellaneous</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens the glossary of the book</source>
        <translation>Abre o glossário do livro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Graph scores for chapter</source>
        <translation>Gráfico das pontuações do capítulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Mostra um gráfico das suas pontuações neste capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View saved scores</source>
        <translation>Ver pontuações salvas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Mostra as pontuações dos seus questionários e provas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read authors notes</source>
        <translation>Ler as notas do autor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Mostra as notas do autor do livro</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara for %1</source>
        <translation>Quillara para %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chapter %1 - %2</source>
        <translation>Capítulo %1 - %2</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Nothing is due for review today. The next review is due on %1.</source>
        <translation>Nada a revisar hoje. A próxima revisão é em %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing is due for review. The questions you answer in quizzes and tests come back here when it is time to review them.</source>
        <translation>Nada a revisar. As questões que você responde em questionários e testes voltam aqui quando for a hora de revisá-las.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Review (%1 due)</source>
        <translation>Revisar (%1 pendentes)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Opens the page %1 of this chapter</source>
        <translation>Abre a página %1 deste capítulo</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>O Quillara não conseguiu abrir um livro em %1.

%2</translation>
    </message>
    <message>
        <location line="-517"/>
        <source>&amp;Larger Text</source>
        <translation>Texto &amp;maior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller Text</source>
        <translation>Texto m&amp;enor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Normal Text Size</source>
        <translation>Tamanho de texto &amp;normal</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <location filename="../src/gui/quiz/matching_quiz_frame.cpp" line="+41"/>
        <source>Glossary Matching Quiz</source>
        <translation>Questionário de associação do glossário</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+10"/>
        <source>List of Selectable Terms</source>
        <translation>Lista de termos selecionáveis</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>End Quiz</source>
        <translation>Encerrar questionário</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Tem certeza de que deseja encerrar o questionário de associação?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>End of Matching Quiz</source>
        <translation>Fim do questionário de associação</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Associe a definição à esquerda ao termo mais adequado da lista à direita.  Para responder, basta clicar no termo que você acha correto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+11"/>
        <source>none of its scores</source>
        <translation>nenhuma das suas pontuações</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only its first score</source>
        <translation>apenas a sua primeira pontuação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only its first %1 scores</source>
        <translation>apenas as suas primeiras %1 pontuações</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>O arquivo de pontuações %1 está danificado: foi possível ler %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The score file %1 was not read: %2.</source>
        <translation>O arquivo de pontuações %1 não foi lido: %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/startup_steps.cpp" line="+25"/>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>O Quillara não conseguiu encontrar as propriedades do livro. É possível que partes do programa estejam danificadas ou não tenham sido instaladas. BOOK.DEF deve estar na mesma pasta que o programa. Se este erro continuar, reinstale o programa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>O Quillara foi encerrado da última vez antes de poder lhe dizer isto:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>O livro em %1 está danificado e não pode ser aberto.

%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+4"/>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Não foi possível guardar uma cópia dele, então o Quillara não salvará pontuações sobre ele.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> O arquivo como estava foi guardado como %1. As pontuações que puderam ser lidas, e as que você adicionar, serão salvas em %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="+19"/>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>O Quillara não conseguiu ler o glossário deste livro. É possível que partes do programa estejam danificadas ou não tenham sido instaladas. Se este erro continuar, reinstale o programa</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to save scores</source>
        <translation>Não foi possível salvar as pontuações</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>O Quillara não pode salvar as pontuações como %1; por isso, elas ficam em %2.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>O glossário deste livro está danificado: só foi possível ler os seus primeiros %1 termos, que são mostrados.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <location filename="../src/gui/app/open_book_dialog.cpp" line="+72"/>
        <source>Book in currently selected directory:</source>
        <translation>Livro da pasta escolhida:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title of the book</source>
        <translation>Título do livro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 2</source>
        <translation>Sobre o livro, linha 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 3</source>
        <translation>Sobre o livro, linha 3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Directories</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no book in %1.</source>
        <translation>Não há livro em %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>O livro em %1 não pode ser aberto: %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Não é possível abrir a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <location filename="../src/gui/scores/score_list_model.cpp" line="+55"/>
        <source>%1 of %2 for %3</source>
        <translation>%1 de %2, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <location filename="../src/gui/quiz/score_panel.cpp" line="+26"/>
        <source>Nothing has been answered yet</source>
        <translation>Nada foi respondido ainda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Você acertou %1 de %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <location filename="../src/gui/search/search_hit_model.cpp" line="+53"/>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1 - %2</source>
        <translation>Capítulo %1 - %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Topic or term</source>
        <translation>Tópico ou termo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <location filename="../src/gui/quiz/select_chapter_form.cpp" line="+59"/>
        <source>Desired test size:</source>
        <translation>Tamanho desejado da prova:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Desired test size</source>
        <translation>Tamanho desejado da prova</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 questions</source>
        <translation>%1 perguntas</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Escolha os capítulos sobre os quais você quer ser avaliado e o número de perguntas que a prova deve ter.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudyProgressDialog</name>
    <message>
        <location filename="../src/gui/scores/study_progress_dialog.cpp" line="+40"/>
        <source>Study Progress</source>
        <translation>Progresso do estudo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met, by chapter</source>
        <translation>Questões vistas, por capítulo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met and recalled, by chapter</source>
        <translation>Questões vistas e lembradas, por capítulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Questions met</source>
        <translation>Questões vistas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would recall now</source>
        <translation>Lembraria agora</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reviews due in the next 30 days</source>
        <translation>Revisões pendentes nos próximos 30 dias</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Chapter %1 - %2</source>
        <translation>Capítulo %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none met yet</source>
        <translation>nenhuma vista ainda</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No reviews are due in the next 30 days.</source>
        <translation>Nenhuma revisão pendente nos próximos 30 dias.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due: </source>
        <translation>Pendentes: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart of the reviews due each day</source>
        <translation>Gráfico das revisões pendentes de cada dia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You studied on %1 of the last %2 days.</source>
        <translation>Você estudou em %1 dos últimos %2 dias.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="-13"/>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Suas pontuações serão salvas em %1 em vez disso.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Quillara could not read the record of your answers in %1, so it is kept as %2 and a new record is begun.</source>
        <translation>O Quillara não conseguiu ler o registro das suas respostas em %1; ele é guardado como %2 e um novo registro é iniciado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara cannot keep a record of your answers in %1, so the questions you answer will not come back for review. Your quizzes and scores go on as before.

%2</source>
        <translation>O Quillara não pode manter um registro das suas respostas em %1, então as questões que você responder não voltarão para revisão. Seus questionários e resultados continuam como antes.

%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quillara could not add your answer to the record of your answers in %1, and keeps no record for the rest of this session. Your quizzes and scores go on as before.

%2</source>
        <translation>O Quillara não conseguiu adicionar sua resposta ao registro das suas respostas em %1 e não manterá registro pelo resto desta sessão. Seus questionários e resultados continuam como antes.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <location filename="../src/gui/scores/graph_score_frame.cpp" line="+31"/>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Gráfico das suas pontuações recentes neste capítulo</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>There are no saved scores for chapter %1</source>
        <translation>Não há pontuações salvas do capítulo %1</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <location filename="../src/gui/quiz/test_window.cpp" line="+16"/>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <location filename="../src/gui/quiz/attempt_frame.cpp" line="+89"/>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enter your answer:</source>
        <translation>Digite sua resposta:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Submit your answer</source>
        <translation>Enviar sua resposta</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+55"/>
        <source>End Quiz</source>
        <translation>Encerrar questionário</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Click this button to answer %1</source>
        <translation>Clique neste botão para responder %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer %1</source>
        <translation>Resposta %1</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Pergunta %1 de %2, do capítulo %3</translation>
    </message>
    <message>
        <location line="-250"/>
        <source>Error compiling expression</source>
        <translation>Erro ao compilar a expressão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error evaluating expression</source>
        <translation>Erro ao avaliar a expressão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>million</source>
        <translation>milhão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>integer</source>
        <translation>inteiro</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(Round to nearest %1)</source>
        <translation>(Arredondar para %1)</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>End Test</source>
        <translation>Encerrar prova</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Você acertou %1 de %2 perguntas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_authors_notes_frame.cpp" line="+31"/>
        <location line="+10"/>
        <source>Authors Notes</source>
        <translation>Notas do autor</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Close Notes</source>
        <translation>Fechar notas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <location filename="../src/gui/glossary/view_glossary_frame.cpp" line="+38"/>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search for a term:</source>
        <translation>Pesquisar um termo:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glossary terms</source>
        <translation>Termos do glossário</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close Glossary</source>
        <translation>Fechar glossário</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1, page(s) %2</source>
        <translation>Capítulo %1, página(s) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <location filename="../src/gui/shell/view_host.cpp" line="+20"/>
        <source>Cover of the book</source>
        <translation>Capa do livro</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <location filename="../src/gui/scores/view_score_frame.cpp" line="+64"/>
        <location line="+17"/>
        <source>Saved Scores</source>
        <translation>Pontuações salvas</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>There are no saved score to view.</source>
        <translation>Não há pontuações salvas para ver.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Chart of the chosen score by chapter</source>
        <translation>Gráfico da pontuação escolhida por capítulo</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Chapter %1: %2%</source>
        <translation>Capítulo %1: %2%</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_topic_frame.cpp" line="+48"/>
        <source>Topic page</source>
        <translation>Página do tópico</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Não foi possível carregar os arquivos indicados; verifique se o programa foi instalado corretamente</translation>
    </message>
</context>
</TS>
