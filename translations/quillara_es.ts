<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <source>Export Scores</source>
        <translation>Exportar puntuaciones</translation>
    </message>
    <message>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Las puntuaciones no se pueden exportar sobre el propio archivo de puntuaciones. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>No se pudieron exportar las puntuaciones a «%1».
%2</translation>
    </message>
    <message>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Las puntuaciones se exportaron a «%1».</translation>
    </message>
    <message>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Archivos CSV, separados por punto y coma (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Archivos CSV, separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <source>About Book</source>
        <translation>Acerca del libro</translation>
    </message>
    <message>
        <source>Cover of the book</source>
        <translation>Portada del libro</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutProgram</name>
    <message>
        <source>About Program</source>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <source>Quillara icon</source>
        <translation>Icono de Quillara</translation>
    </message>
    <message>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 El proyecto Quillara</translation>
    </message>
    <message>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Escrito por los desarrolladores y colaboradores de Quillara</translation>
    </message>
    <message>
        <source>Quillara web page</source>
        <translation>Página web de Quillara</translation>
    </message>
    <message>
        <source>Opens %1 in your browser</source>
        <translation>Abre %1 en su navegador</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Advertencia: este programa está protegido por las leyes de derechos de autor y los tratados internacionales. Copiarlo o distribuirlo, en todo o en parte, sin permiso puede dar lugar a sanciones civiles y penales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <source>Answer Response</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>Related glossary terms</source>
        <translation>Términos relacionados del glosario</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Intentar de nuevo</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Ha respondido incorrectamente a la pregunta, este es el motivo:</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Ha respondido incorrectamente a la pregunta, aquí tiene algunos términos del glosario relacionados con ella</translation>
    </message>
    <message>
        <source>You answered the question incorrectly.</source>
        <translation>Ha respondido incorrectamente a la pregunta.</translation>
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
        <translation>Su respuesta: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Respuesta correcta: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Términos relacionados: </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Repetir las preguntas falladas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>&lt;p&gt;%1 de las %2 preguntas no se hicieron: el cuestionario terminó antes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 de las %2 preguntas no se hicieron: el examen terminó antes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas las preguntas respondidas fueron correctas a la primera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Todas las preguntas se respondieron correctamente a la primera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Preguntas falladas&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3%</source>
        <translation>%1 de %2, %3 %</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
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
        <translation>Buscar en el libro</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Word or phrase to search for</source>
        <translation>Palabra o frase que buscar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Preparing the book for searching</source>
        <translation>Preparando el libro para la búsqueda</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Preparing the book for searching…</source>
        <translation>Preparando el libro para la búsqueda…</translation>
    </message>
    <message>
        <source>The book could not be prepared for searching: %1</source>
        <translation>No se pudo preparar el libro para la búsqueda: %1</translation>
    </message>
    <message>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Preparando el libro para la búsqueda; la búsqueda se hará en cuanto esté listo…</translation>
    </message>
    <message>
        <source>Type a word or phrase to search for.</source>
        <translation>Escriba una palabra o frase que buscar.</translation>
    </message>
    <message>
        <source>No matches for “%1”.</source>
        <translation>No hay coincidencias para «%1».</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 coincidencia.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 coincidencias.</translation>
    </message>
    <message>
        <source>The first %1 of %2 matches.</source>
        <translation>Las primeras %1 de %2 coincidencias.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>Buscar en la página</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>from the top</source>
        <translation>desde el principio</translation>
    </message>
    <message>
        <source>from the bottom</source>
        <translation>desde el final</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
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
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quillara::gui::THelpWindow</name>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Quillara Help</source>
        <translation>Ayuda de Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <source>&amp;True False</source>
        <translation>&amp;Verdadero/Falso</translation>
    </message>
    <message>
        <source>True False</source>
        <translation>Verdadero/Falso</translation>
    </message>
    <message>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Empieza un cuestionario de Verdadero/Falso sobre este capítulo</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>Opción &amp;múltiple</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Empieza un cuestionario de opción múltiple sobre este capítulo</translation>
    </message>
    <message>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Verdadero/Falso / O&amp;pción múltiple</translation>
    </message>
    <message>
        <source>True False/Multiple Choice</source>
        <translation>Verdadero/Falso/Opción múltiple</translation>
    </message>
    <message>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Empieza un cuestionario de preguntas de Verdadero/Falso y de opción múltiple sobre este capítulo</translation>
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
        <translation>Empieza un cuestionario de problemas sobre este capítulo</translation>
    </message>
    <message>
        <source>Studying Chapter</source>
        <translation>Capítulo en estudio</translation>
    </message>
    <message>
        <source>Studying Chapter: </source>
        <translation>Capítulo en estudio: </translation>
    </message>
    <message>
        <source>Chapter heading</source>
        <translation>Título del capítulo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>&amp;Abrir libro…</translation>
    </message>
    <message>
        <source>&amp;Save Scores</source>
        <translation>&amp;Guardar puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Glossary</source>
        <translation>&amp;Glosario</translation>
    </message>
    <message>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Buscar en el libro…</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Cuestionario</translation>
    </message>
    <message>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Emparejar el glosario</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Repetir las preguntas falladas</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>E&amp;xamen</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;View saved scores</source>
        <translation>&amp;Ver puntuaciones guardadas</translation>
    </message>
    <message>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Gráfico de puntuaciones del capítulo elegido</translation>
    </message>
    <message>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exportar puntuaciones…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notas del autor</translation>
    </message>
    <message>
        <source>About &amp;Book...</source>
        <translation>Acerca del &amp;libro...</translation>
    </message>
    <message>
        <source>About &amp;Program...</source>
        <translation>Acerca del &amp;programa...</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Cuestionarios</translation>
    </message>
    <message>
        <source>Glossary Matching</source>
        <translation>Emparejar el glosario</translation>
    </message>
    <message>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Empieza un cuestionario de emparejar el glosario sobre este capítulo</translation>
    </message>
    <message>
        <source>Retake Missed Questions</source>
        <translation>Repetir las preguntas falladas</translation>
    </message>
    <message>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Vuelve a hacer las preguntas que falló en su último cuestionario o examen</translation>
    </message>
    <message>
        <source>Chapter Topics</source>
        <translation>Temas del capítulo</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <source>Opens the glossary of the book</source>
        <translation>Abre el glosario del libro</translation>
    </message>
    <message>
        <source>Graph scores for chapter</source>
        <translation>Gráfico de puntuaciones del capítulo</translation>
    </message>
    <message>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Muestra un gráfico de sus puntuaciones en este capítulo</translation>
    </message>
    <message>
        <source>View saved scores</source>
        <translation>Ver puntuaciones guardadas</translation>
    </message>
    <message>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Muestra las puntuaciones de sus cuestionarios y exámenes</translation>
    </message>
    <message>
        <source>Read authors notes</source>
        <translation>Leer las notas del autor</translation>
    </message>
    <message>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Muestra las notas del autor del libro</translation>
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
        <translation>Abre la página %1 de este capítulo</translation>
    </message>
    <message>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara no pudo abrir un libro en %1.

%2</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Texto más gran&amp;de</translation>
    </message>
    <message>
        <source>S&amp;maller Text</source>
        <translation>Texto más &amp;pequeño</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Tamaño de texto &amp;normal</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <source>Glossary Matching Quiz</source>
        <translation>Cuestionario de emparejar el glosario</translation>
    </message>
    <message>
        <source>List of Selectable Terms</source>
        <translation>Lista de términos seleccionables</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Terminar cuestionario</translation>
    </message>
    <message>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>¿Seguro que quiere terminar el cuestionario de emparejar?</translation>
    </message>
    <message>
        <source>End of Matching Quiz</source>
        <translation>Fin del cuestionario de emparejar</translation>
    </message>
    <message>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Empareje la definición de la izquierda con el término más adecuado de la lista de la derecha.  Para responder, basta con pulsar el término que crea correcto.</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <source>none of its scores</source>
        <translation>ninguna de sus puntuaciones</translation>
    </message>
    <message>
        <source>only its first score</source>
        <translation>solo su primera puntuación</translation>
    </message>
    <message>
        <source>only its first %1 scores</source>
        <translation>solo sus primeras %1 puntuaciones</translation>
    </message>
    <message>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>El archivo de puntuaciones %1 está dañado: se pudo leer %2.</translation>
    </message>
    <message>
        <source>The score file %1 was not read: %2.</source>
        <translation>El archivo de puntuaciones %1 no se leyó: %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara no pudo encontrar las propiedades del libro. Es posible que partes del programa estén dañadas o no se hayan instalado. BOOK.DEF debe estar en la misma carpeta que el programa. Si el error persiste, vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara se cerró la última vez antes de poder decirle esto:</translation>
    </message>
    <message>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>El libro de %1 está dañado y no se puede abrir.

%2</translation>
    </message>
    <message>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> No se pudo guardar una copia, así que Quillara no guardará puntuaciones encima.</translation>
    </message>
    <message>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> El archivo tal como estaba se guarda como %1. Las puntuaciones que se pudieron leer, y las que añada, se guardarán en %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara no pudo leer el glosario de este libro. Es posible que partes del programa estén dañadas o no se hayan instalado. Si el error persiste, vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>Unable to save scores</source>
        <translation>No se pudieron guardar las puntuaciones</translation>
    </message>
    <message>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara no puede guardar las puntuaciones como %1, así que se guardan en %2.</translation>
    </message>
    <message>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>El glosario de este libro está dañado: solo se pudieron leer sus primeros %1 términos, que se muestran.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <source>Book in currently selected directory:</source>
        <translation>Libro de la carpeta elegida:</translation>
    </message>
    <message>
        <source>Title of the book</source>
        <translation>Título del libro</translation>
    </message>
    <message>
        <source>About the book, line 2</source>
        <translation>Acerca del libro, línea 2</translation>
    </message>
    <message>
        <source>About the book, line 3</source>
        <translation>Acerca del libro, línea 3</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>There is no book in %1.</source>
        <translation>No hay ningún libro en %1.</translation>
    </message>
    <message>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>No se puede abrir el libro de %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>No se puede abrir la carpeta «%1».</translation>
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
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Test Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <source>Nothing has been answered yet</source>
        <translation>Aún no se ha respondido nada</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Ha respondido correctamente %1 de %2</translation>
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
        <translation>Glosario</translation>
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
        <translation>Tema o término</translation>
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
        <translation>Tamaño deseado del examen:</translation>
    </message>
    <message>
        <source>Desired test size</source>
        <translation>Tamaño deseado del examen</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 preguntas</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Elija los capítulos sobre los que quiere examinarse y el número de preguntas que quiere que tenga el examen.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Sus puntuaciones se guardarán en %1 en su lugar.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Gráfico de sus puntuaciones recientes en este capítulo</translation>
    </message>
    <message>
        <source>There are no saved scores for chapter %1</source>
        <translation>No hay puntuaciones guardadas del capítulo %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Enter your answer:</source>
        <translation>Escriba su respuesta:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Enviar su respuesta</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Terminar cuestionario</translation>
    </message>
    <message>
        <source>Click this button to answer %1</source>
        <translation>Pulse este botón para responder %1</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Pregunta %1 de %2, del capítulo %3</translation>
    </message>
    <message>
        <source>Error compiling expression</source>
        <translation>Error al compilar la expresión</translation>
    </message>
    <message>
        <source>Error evaluating expression</source>
        <translation>Error al evaluar la expresión</translation>
    </message>
    <message>
        <source>million</source>
        <translation>millón</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>entero</translation>
    </message>
    <message>
        <source>(Round to nearest %1)</source>
        <translation>(Redondear a %1)</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Terminar examen</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Ha respondido correctamente %1 de %2 preguntas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <source>Authors Notes</source>
        <translation>Notas del autor</translation>
    </message>
    <message>
        <source>Close Notes</source>
        <translation>Cerrar notas</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <source>Search for a term:</source>
        <translation>Buscar un término:</translation>
    </message>
    <message>
        <source>Glossary terms</source>
        <translation>Términos del glosario</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Close Glossary</source>
        <translation>Cerrar glosario</translation>
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
        <translation>Portada del libro</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <source>Saved Scores</source>
        <translation>Puntuaciones guardadas</translation>
    </message>
    <message>
        <source>There are no saved score to view.</source>
        <translation>No hay puntuaciones guardadas que ver.</translation>
    </message>
    <message>
        <source>Chart of the chosen score by chapter</source>
        <translation>Gráfico de la puntuación elegida por capítulo</translation>
    </message>
    <message>
        <source>Chapter %1: %2%</source>
        <translation>Capítulo %1: %2 %</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <source>Topic page</source>
        <translation>Página del tema</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>No se pudieron cargar los archivos indicados; compruebe que el programa se instaló correctamente</translation>
    </message>
</context>
</TS>
