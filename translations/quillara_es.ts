<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <location filename="../src/gui/scores/export_scores.cpp" line="+75"/>
        <source>Export Scores</source>
        <translation>Exportar puntuaciones</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Las puntuaciones no se pueden exportar sobre el propio archivo de puntuaciones. Elija otro nombre.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>No se pudieron exportar las puntuaciones a «%1».
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Las puntuaciones se exportaron a «%1».</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Archivos CSV, separados por punto y coma (*.csv)</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Archivos CSV, separados por comas (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <location filename="../src/gui/help/about_box.cpp" line="+32"/>
        <source>About Book</source>
        <translation>Acerca del libro</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cover of the book</source>
        <translation>Portada del libro</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutProgram</name>
    <message>
        <location filename="../src/gui/help/about_program.cpp" line="+42"/>
        <source>About Program</source>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Quillara icon</source>
        <translation>Icono de Quillara</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 El proyecto Quillara</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Escrito por los desarrolladores y colaboradores de Quillara</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara web page</source>
        <translation>Página web de Quillara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens %1 in your browser</source>
        <translation>Abre %1 en su navegador</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Advertencia: este programa está protegido por las leyes de derechos de autor y los tratados internacionales. Copiarlo o distribuirlo, en todo o en parte, sin permiso puede dar lugar a sanciones civiles y penales.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <location filename="../src/gui/quiz/answer_response_form.cpp" line="+73"/>
        <source>Answer Response</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Related glossary terms</source>
        <translation>Términos relacionados del glosario</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Try Again</source>
        <translation>Intentar de nuevo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Next Question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Ha respondido incorrectamente a la pregunta, este es el motivo:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Ha respondido incorrectamente a la pregunta, aquí tiene algunos términos del glosario relacionados con ella</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You answered the question incorrectly.</source>
        <translation>Ha respondido incorrectamente a la pregunta.</translation>
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
        <translation>Su respuesta: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Respuesta correcta: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Términos relacionados: </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Repetir las preguntas falladas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>&lt;p&gt;%1 de las %2 preguntas no se hicieron: el cuestionario terminó antes.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 de las %2 preguntas no se hicieron: el examen terminó antes.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas las preguntas respondidas fueron correctas a la primera.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas las preguntas se respondieron correctamente a la primera.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Preguntas falladas&lt;/h3&gt;</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>%1 of %2, %3%</source>
        <translation>%1 de %2, %3 %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>True</source>
        <translation>Verdadero</translation>
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
        <translation>Buscar en el libro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search &amp;for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Word or phrase to search for</source>
        <translation>Palabra o frase que buscar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the book for searching</source>
        <translation>Preparando el libro para la búsqueda</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Preparing the book for searching…</source>
        <translation>Preparando el libro para la búsqueda…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The book could not be prepared for searching: %1</source>
        <translation>No se pudo preparar el libro para la búsqueda: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Preparando el libro para la búsqueda; la búsqueda se hará en cuanto esté listo…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type a word or phrase to search for.</source>
        <translation>Escriba una palabra o frase que buscar.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No matches for “%1”.</source>
        <translation>No hay coincidencias para «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 match.</source>
        <translation>1 coincidencia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 matches.</source>
        <translation>%1 coincidencias.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first %1 of %2 matches.</source>
        <translation>Las primeras %1 de %2 coincidencias.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <location filename="../src/gui/widgets/find_bar.cpp" line="+41"/>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find in the page</source>
        <translation>Buscar en la página</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>from the top</source>
        <translation>desde el principio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>from the bottom</source>
        <translation>desde el final</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
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
        <translation>Respuesta</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quillara::gui::THelpWindow</name>
    <message>
        <location filename="../src/gui/help/help_window.cpp" line="+54"/>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Quillara Help</source>
        <translation>Ayuda de Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <location filename="../src/gui/app/main_form.cpp" line="+71"/>
        <location line="+22"/>
        <source>&amp;True False</source>
        <translation>&amp;Verdadero/Falso</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>True False</source>
        <translation>Verdadero/Falso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Empieza un cuestionario de Verdadero/Falso sobre este capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>&amp;Multiple Choice</source>
        <translation>Opción &amp;múltiple</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Multiple Choice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Empieza un cuestionario de opción múltiple sobre este capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Verdadero/Falso / O&amp;pción múltiple</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>True False/Multiple Choice</source>
        <translation>Verdadero/Falso/Opción múltiple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Empieza un cuestionario de preguntas de Verdadero/Falso y de opción múltiple sobre este capítulo</translation>
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
        <translation>Empieza un cuestionario de problemas sobre este capítulo</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+8"/>
        <source>Studying Chapter</source>
        <translation>Capítulo en estudio</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Studying Chapter: </source>
        <translation>Capítulo en estudio: </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Chapter heading</source>
        <translation>Título del capítulo</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Book…</source>
        <translation>&amp;Abrir libro…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Save Scores</source>
        <translation>&amp;Guardar puntuaciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Glossary</source>
        <translation>&amp;Glosario</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Buscar en el libro…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Study &amp;Progress</source>
        <translation>Progreso del es&amp;tudio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quiz</source>
        <translation>&amp;Cuestionario</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Emparejar el glosario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Repetir las preguntas falladas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Review &amp;Due Questions</source>
        <translation>Repasar las preguntas pen&amp;dientes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Test</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View saved scores</source>
        <translation>&amp;Ver puntuaciones guardadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Gráfico de puntuaciones del capítulo elegido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exportar puntuaciones…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notas del autor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About &amp;Book...</source>
        <translation>Acerca del &amp;libro...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Program...</source>
        <translation>Acerca del &amp;programa...</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Quizzes</source>
        <translation>Cuestionarios</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Glossary Matching</source>
        <translation>Emparejar el glosario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Empieza un cuestionario de emparejar el glosario sobre este capítulo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retake Missed Questions</source>
        <translation>Repetir las preguntas falladas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Vuelve a hacer las preguntas que falló en su último cuestionario o examen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+221"/>
        <location line="+276"/>
        <source>Review</source>
        <translation>Repasar</translation>
    </message>
    <message>
        <location line="-496"/>
        <source>Asks again the questions due for review</source>
        <translation>Vuelve a hacer las preguntas pendientes de repaso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Chapter Topics</source>
        <translation>Temas del capítulo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens the glossary of the book</source>
        <translation>Abre el glosario del libro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Graph scores for chapter</source>
        <translation>Gráfico de puntuaciones del capítulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Muestra un gráfico de sus puntuaciones en este capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View saved scores</source>
        <translation>Ver puntuaciones guardadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Muestra las puntuaciones de sus cuestionarios y exámenes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read authors notes</source>
        <translation>Leer las notas del autor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Muestra las notas del autor del libro</translation>
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
        <translation>Hoy no hay nada que repasar. El próximo repaso es el %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing is due for review. The questions you answer in quizzes and tests come back here when it is time to review them.</source>
        <translation>No hay nada que repasar. Las preguntas que responda en cuestionarios y exámenes volverán aquí cuando sea el momento de repasarlas.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Review (%1 due)</source>
        <translation>Repasar (%1 pendientes)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Opens the page %1 of this chapter</source>
        <translation>Abre la página %1 de este capítulo</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara no pudo abrir un libro en %1.

%2</translation>
    </message>
    <message>
        <location line="-517"/>
        <source>&amp;Larger Text</source>
        <translation>Texto más gran&amp;de</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller Text</source>
        <translation>Texto más &amp;pequeño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Normal Text Size</source>
        <translation>Tamaño de texto &amp;normal</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <location filename="../src/gui/quiz/matching_quiz_frame.cpp" line="+41"/>
        <source>Glossary Matching Quiz</source>
        <translation>Cuestionario de emparejar el glosario</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+10"/>
        <source>List of Selectable Terms</source>
        <translation>Lista de términos seleccionables</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>End Quiz</source>
        <translation>Terminar cuestionario</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>¿Seguro que quiere terminar el cuestionario de emparejar?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>End of Matching Quiz</source>
        <translation>Fin del cuestionario de emparejar</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Empareje la definición de la izquierda con el término más adecuado de la lista de la derecha.  Para responder, basta con pulsar el término que crea correcto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+11"/>
        <source>none of its scores</source>
        <translation>ninguna de sus puntuaciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only its first score</source>
        <translation>solo su primera puntuación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only its first %1 scores</source>
        <translation>solo sus primeras %1 puntuaciones</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>El archivo de puntuaciones %1 está dañado: se pudo leer %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The score file %1 was not read: %2.</source>
        <translation>El archivo de puntuaciones %1 no se leyó: %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/startup_steps.cpp" line="+25"/>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara no pudo encontrar las propiedades del libro. Es posible que partes del programa estén dañadas o no se hayan instalado. BOOK.DEF debe estar en la misma carpeta que el programa. Si el error persiste, vuelva a instalar el programa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara se cerró la última vez antes de poder decirle esto:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>El libro de %1 está dañado y no se puede abrir.

%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+4"/>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> No se pudo guardar una copia, así que Quillara no guardará puntuaciones encima.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> El archivo tal como estaba se guarda como %1. Las puntuaciones que se pudieron leer, y las que añada, se guardarán en %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="+19"/>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara no pudo leer el glosario de este libro. Es posible que partes del programa estén dañadas o no se hayan instalado. Si el error persiste, vuelva a instalar el programa</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to save scores</source>
        <translation>No se pudieron guardar las puntuaciones</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara no puede guardar las puntuaciones como %1, así que se guardan en %2.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>El glosario de este libro está dañado: solo se pudieron leer sus primeros %1 términos, que se muestran.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <location filename="../src/gui/app/open_book_dialog.cpp" line="+72"/>
        <source>Book in currently selected directory:</source>
        <translation>Libro de la carpeta elegida:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title of the book</source>
        <translation>Título del libro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 2</source>
        <translation>Acerca del libro, línea 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 3</source>
        <translation>Acerca del libro, línea 3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Directories</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no book in %1.</source>
        <translation>No hay ningún libro en %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>No se puede abrir el libro de %1: %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>No se puede abrir la carpeta «%1».</translation>
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
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <location filename="../src/gui/quiz/score_panel.cpp" line="+26"/>
        <source>Nothing has been answered yet</source>
        <translation>Aún no se ha respondido nada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Ha respondido correctamente %1 de %2</translation>
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
        <translation>Glosario</translation>
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
        <translation>Tema o término</translation>
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
        <translation>Tamaño deseado del examen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Desired test size</source>
        <translation>Tamaño deseado del examen</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 questions</source>
        <translation>%1 preguntas</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Elija los capítulos sobre los que quiere examinarse y el número de preguntas que quiere que tenga el examen.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudyProgressDialog</name>
    <message>
        <location filename="../src/gui/scores/study_progress_dialog.cpp" line="+40"/>
        <source>Study Progress</source>
        <translation>Progreso del estudio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met, by chapter</source>
        <translation>Preguntas vistas, por capítulo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met and recalled, by chapter</source>
        <translation>Preguntas vistas y recordadas, por capítulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Questions met</source>
        <translation>Preguntas vistas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would recall now</source>
        <translation>Recordaría ahora</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reviews due in the next 30 days</source>
        <translation>Repasos pendientes en los próximos 30 días</translation>
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
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none met yet</source>
        <translation>ninguna vista aún</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No reviews are due in the next 30 days.</source>
        <translation>No hay repasos pendientes en los próximos 30 días.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due: </source>
        <translation>Pendientes: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart of the reviews due each day</source>
        <translation>Gráfico de los repasos pendientes de cada día</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You studied on %1 of the last %2 days.</source>
        <translation>Estudió %1 de los últimos %2 días.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="-13"/>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Sus puntuaciones se guardarán en %1 en su lugar.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Quillara could not read the record of your answers in %1, so it is kept as %2 and a new record is begun.</source>
        <translation>Quillara no pudo leer el registro de sus respuestas en %1; se guarda como %2 y se comienza un registro nuevo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara cannot keep a record of your answers in %1, so the questions you answer will not come back for review. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara no puede llevar un registro de sus respuestas en %1, así que las preguntas que responda no volverán para repasar. Sus cuestionarios y resultados siguen como antes.

%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quillara could not add your answer to the record of your answers in %1, and keeps no record for the rest of this session. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara no pudo añadir su respuesta al registro de sus respuestas en %1 y no llevará registro durante el resto de esta sesión. Sus cuestionarios y resultados siguen como antes.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <location filename="../src/gui/scores/graph_score_frame.cpp" line="+31"/>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Gráfico de sus puntuaciones recientes en este capítulo</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>There are no saved scores for chapter %1</source>
        <translation>No hay puntuaciones guardadas del capítulo %1</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <location filename="../src/gui/quiz/test_window.cpp" line="+16"/>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <location filename="../src/gui/quiz/attempt_frame.cpp" line="+89"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enter your answer:</source>
        <translation>Escriba su respuesta:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Submit your answer</source>
        <translation>Enviar su respuesta</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+55"/>
        <source>End Quiz</source>
        <translation>Terminar cuestionario</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Click this button to answer %1</source>
        <translation>Pulse este botón para responder %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Pregunta %1 de %2, del capítulo %3</translation>
    </message>
    <message>
        <location line="-250"/>
        <source>Error compiling expression</source>
        <translation>Error al compilar la expresión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error evaluating expression</source>
        <translation>Error al evaluar la expresión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>million</source>
        <translation>millón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>integer</source>
        <translation>entero</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(Round to nearest %1)</source>
        <translation>(Redondear a %1)</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>End Test</source>
        <translation>Terminar examen</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Ha respondido correctamente %1 de %2 preguntas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_authors_notes_frame.cpp" line="+31"/>
        <location line="+10"/>
        <source>Authors Notes</source>
        <translation>Notas del autor</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Close Notes</source>
        <translation>Cerrar notas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <location filename="../src/gui/glossary/view_glossary_frame.cpp" line="+38"/>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search for a term:</source>
        <translation>Buscar un término:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glossary terms</source>
        <translation>Términos del glosario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close Glossary</source>
        <translation>Cerrar glosario</translation>
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
        <translation>Portada del libro</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <location filename="../src/gui/scores/view_score_frame.cpp" line="+64"/>
        <location line="+17"/>
        <source>Saved Scores</source>
        <translation>Puntuaciones guardadas</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>There are no saved score to view.</source>
        <translation>No hay puntuaciones guardadas que ver.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Chart of the chosen score by chapter</source>
        <translation>Gráfico de la puntuación elegida por capítulo</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Chapter %1: %2%</source>
        <translation>Capítulo %1: %2 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_topic_frame.cpp" line="+48"/>
        <source>Topic page</source>
        <translation>Página del tema</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>No se pudieron cargar los archivos indicados; compruebe que el programa se instaló correctamente</translation>
    </message>
</context>
</TS>
