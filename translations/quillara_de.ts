<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <source>Export Scores</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Die Ergebnisse können nicht über die Ergebnisdatei selbst exportiert werden. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Die Ergebnisse konnten nicht nach „%1“ exportiert werden.
%2</translation>
    </message>
    <message>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Die Ergebnisse wurden nach „%1“ exportiert.</translation>
    </message>
    <message>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>CSV-Dateien, durch Semikolon getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>CSV-Dateien, durch Komma getrennt (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <source>About Book</source>
        <translation>Über das Buch</translation>
    </message>
    <message>
        <source>Cover of the book</source>
        <translation>Umschlag des Buches</translation>
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
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Quillara icon</source>
        <translation>Quillara-Symbol</translation>
    </message>
    <message>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 Das Quillara-Projekt</translation>
    </message>
    <message>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Geschrieben von den Quillara-Entwicklern und Mitwirkenden</translation>
    </message>
    <message>
        <source>Quillara web page</source>
        <translation>Quillara-Webseite</translation>
    </message>
    <message>
        <source>Opens %1 in your browser</source>
        <translation>Öffnet %1 im Browser</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Warnung: Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Das Kopieren oder Verbreiten des Programms oder von Teilen davon ohne Erlaubnis kann zivil- und strafrechtlich verfolgt werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <source>Answer Response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Related glossary terms</source>
        <translation>Verwandte Glossarbegriffe</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Nochmal versuchen</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Ihre Antwort war falsch, und zwar aus diesem Grund:</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Ihre Antwort war falsch, hier sind einige Glossarbegriffe, die mit dieser Frage zusammenhängen</translation>
    </message>
    <message>
        <source>You answered the question incorrectly.</source>
        <translation>Ihre Antwort war falsch.</translation>
    </message>
    <message>
        <source>Page:  </source>
        <translation>Seite:  </translation>
    </message>
    <message>
        <source>Chapter:  </source>
        <translation>Kapitel:  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Ihre Antwort: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Richtige Antwort: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Verwandte Begriffe: </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Nach Kapitel&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Kapitel %1, %2: %3&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 der %2 Fragen wurden nicht gestellt: Das Quiz wurde vorher beendet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 der %2 Fragen wurden nicht gestellt: Der Test wurde vorher beendet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede beantwortete Frage war beim ersten Mal richtig.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede Frage wurde beim ersten Mal richtig beantwortet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Falsch beantwortete Fragen&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3%</source>
        <translation>%1 von %2, %3 %</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <source>Search the Book</source>
        <translation>Im Buch suchen</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Word or phrase to search for</source>
        <translation>Gesuchtes Wort oder gesuchter Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Preparing the book for searching</source>
        <translation>Das Buch wird für die Suche vorbereitet</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Preparing the book for searching…</source>
        <translation>Das Buch wird für die Suche vorbereitet…</translation>
    </message>
    <message>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Das Buch konnte nicht für die Suche vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Das Buch wird für die Suche vorbereitet; die Suche folgt, sobald es bereit ist…</translation>
    </message>
    <message>
        <source>Type a word or phrase to search for.</source>
        <translation>Geben Sie ein Wort oder einen Ausdruck ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <source>No matches for “%1”.</source>
        <translation>Keine Treffer für „%1“.</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 Treffer.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 Treffer.</translation>
    </message>
    <message>
        <source>The first %1 of %2 matches.</source>
        <translation>Die ersten %1 von %2 Treffern.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>Auf der Seite suchen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>from the top</source>
        <translation>von oben</translation>
    </message>
    <message>
        <source>from the bottom</source>
        <translation>von unten</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>%1 von %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <source>Answer Response</source>
        <translation>Antwort</translation>
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
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Quillara Help</source>
        <translation>Quillara-Hilfe</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <source>&amp;True False</source>
        <translation>&amp;Wahr/Falsch</translation>
    </message>
    <message>
        <source>True False</source>
        <translation>Wahr/Falsch</translation>
    </message>
    <message>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Startet ein Wahr/Falsch-Quiz zu diesem Kapitel</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Multiple Choice</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Startet ein Multiple-Choice-Quiz zu diesem Kapitel</translation>
    </message>
    <message>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Wahr/Falsch / M&amp;ultiple Choice</translation>
    </message>
    <message>
        <source>True False/Multiple Choice</source>
        <translation>Wahr/Falsch/Multiple Choice</translation>
    </message>
    <message>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Startet ein Quiz mit Wahr/Falsch- und Multiple-Choice-Fragen zu diesem Kapitel</translation>
    </message>
    <message>
        <source>&amp;Word Problems</source>
        <translation>&amp;Textaufgaben</translation>
    </message>
    <message>
        <source>Word Problems</source>
        <translation>Textaufgaben</translation>
    </message>
    <message>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Startet ein Quiz mit Textaufgaben zu diesem Kapitel</translation>
    </message>
    <message>
        <source>Studying Chapter</source>
        <translation>Aktuelles Kapitel</translation>
    </message>
    <message>
        <source>Studying Chapter: </source>
        <translation>Aktuelles Kapitel: </translation>
    </message>
    <message>
        <source>Chapter heading</source>
        <translation>Kapitelüberschrift</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>Buch ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Scores</source>
        <translation>Ergebnisse &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossar</translation>
    </message>
    <message>
        <source>&amp;Search the Book…</source>
        <translation>Im Buch &amp;suchen…</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Glossar-Zuordnung</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;View saved scores</source>
        <translation>Gespeicherte Ergebnisse &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>Ergebnisse des gewählten Kapitels als &amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Export Scores…</source>
        <translation>Ergebnisse e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Anmerkungen des Autors</translation>
    </message>
    <message>
        <source>About &amp;Book...</source>
        <translation>Über das &amp;Buch...</translation>
    </message>
    <message>
        <source>About &amp;Program...</source>
        <translation>Über das &amp;Programm...</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Glossary Matching</source>
        <translation>Glossar-Zuordnung</translation>
    </message>
    <message>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Startet ein Glossar-Zuordnungsquiz zu diesem Kapitel</translation>
    </message>
    <message>
        <source>Retake Missed Questions</source>
        <translation>Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Stellt die Fragen erneut, die Sie im letzten Quiz oder Test falsch beantwortet haben</translation>
    </message>
    <message>
        <source>Chapter Topics</source>
        <translation>Themen des Kapitels</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <source>Opens the glossary of the book</source>
        <translation>Öffnet das Glossar des Buches</translation>
    </message>
    <message>
        <source>Graph scores for chapter</source>
        <translation>Ergebnisse des Kapitels als Diagramm</translation>
    </message>
    <message>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Zeigt ein Diagramm Ihrer Ergebnisse in diesem Kapitel</translation>
    </message>
    <message>
        <source>View saved scores</source>
        <translation>Gespeicherte Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Zeigt die Ergebnisse Ihrer Quiz und Tests</translation>
    </message>
    <message>
        <source>Read authors notes</source>
        <translation>Anmerkungen des Autors lesen</translation>
    </message>
    <message>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Zeigt die Anmerkungen des Buchautors</translation>
    </message>
    <message>
        <source>Quillara for %1</source>
        <translation>Quillara für %1</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Kapitel %1 - %2</translation>
    </message>
    <message>
        <source>Opens the page %1 of this chapter</source>
        <translation>Öffnet die Seite %1 dieses Kapitels</translation>
    </message>
    <message>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara konnte in %1 kein Buch öffnen.

%2</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Text &amp;vergrößern</translation>
    </message>
    <message>
        <source>S&amp;maller Text</source>
        <translation>Text ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>&amp;Normale Textgröße</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <source>Glossary Matching Quiz</source>
        <translation>Glossar-Zuordnungsquiz</translation>
    </message>
    <message>
        <source>List of Selectable Terms</source>
        <translation>Liste der wählbaren Begriffe</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Quiz beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Möchten Sie das Zuordnungsquiz wirklich beenden?</translation>
    </message>
    <message>
        <source>End of Matching Quiz</source>
        <translation>Ende des Zuordnungsquiz</translation>
    </message>
    <message>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Ordnen Sie die Definition links dem passendsten Begriff in der Liste rechts zu.  Um zu antworten, klicken Sie einfach auf den Begriff, den Sie für richtig halten.</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <source>none of its scores</source>
        <translation>keines ihrer Ergebnisse</translation>
    </message>
    <message>
        <source>only its first score</source>
        <translation>nur ihr erstes Ergebnis</translation>
    </message>
    <message>
        <source>only its first %1 scores</source>
        <translation>nur ihre ersten %1 Ergebnisse</translation>
    </message>
    <message>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>Die Ergebnisdatei %1 ist beschädigt: %2 konnte gelesen werden.</translation>
    </message>
    <message>
        <source>The score file %1 was not read: %2.</source>
        <translation>Die Ergebnisdatei %1 wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara konnte die Eigenschaften des Buches nicht finden. Möglicherweise sind Teile des Programms beschädigt oder wurden nicht installiert. BOOK.DEF muss im selben Verzeichnis wie das Programm liegen. Wenn dieser Fehler bestehen bleibt, installieren Sie die Software bitte neu</translation>
    </message>
    <message>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara wurde beim letzten Mal beendet, bevor es Ihnen dies mitteilen konnte:</translation>
    </message>
    <message>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>Das Buch in %1 ist beschädigt und kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Es konnte keine Kopie davon angelegt werden, daher speichert Quillara keine Ergebnisse darüber.</translation>
    </message>
    <message>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> Die Datei wird in ihrem bisherigen Zustand als %1 aufbewahrt. Die lesbaren Ergebnisse und die, die Sie hinzufügen, werden in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara konnte das Glossar dieses Buches nicht lesen. Möglicherweise sind Teile des Programms beschädigt oder wurden nicht installiert. Wenn dieser Fehler bestehen bleibt, installieren Sie die Software bitte neu</translation>
    </message>
    <message>
        <source>Unable to save scores</source>
        <translation>Die Ergebnisse konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara kann keine Ergebnisse als %1 speichern, daher werden Ihre Ergebnisse stattdessen in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>Das Glossar dieses Buches ist beschädigt: Nur seine ersten %1 Begriffe konnten gelesen werden und werden angezeigt.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <source>Book in currently selected directory:</source>
        <translation>Buch im gewählten Verzeichnis:</translation>
    </message>
    <message>
        <source>Title of the book</source>
        <translation>Titel des Buches</translation>
    </message>
    <message>
        <source>About the book, line 2</source>
        <translation>Über das Buch, Zeile 2</translation>
    </message>
    <message>
        <source>About the book, line 3</source>
        <translation>Über das Buch, Zeile 3</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is no book in %1.</source>
        <translation>In %1 gibt es kein Buch.</translation>
    </message>
    <message>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>Das Buch in %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Das Verzeichnis „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <source>%1 of %2 for %3</source>
        <translation>%1 von %2, %3</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Test Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <source>Nothing has been answered yet</source>
        <translation>Noch nichts beantwortet</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Sie haben %1 von %2 richtig beantwortet</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Kapitel %1 - %2</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Topic or term</source>
        <translation>Thema oder Begriff</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <source>Desired test size:</source>
        <translation>Gewünschte Testgröße:</translation>
    </message>
    <message>
        <source>Desired test size</source>
        <translation>Gewünschte Testgröße</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 Fragen</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Wählen Sie die Kapitel, die geprüft werden sollen, und die Zahl der Fragen, die Ihr Test enthalten soll.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Ihre Ergebnisse werden stattdessen in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Diagramm Ihrer letzten Ergebnisse in diesem Kapitel</translation>
    </message>
    <message>
        <source>There are no saved scores for chapter %1</source>
        <translation>Für Kapitel %1 gibt es keine gespeicherten Ergebnisse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Enter your answer:</source>
        <translation>Ihre Antwort:</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Antwort abgeben</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Quiz beenden</translation>
    </message>
    <message>
        <source>Click this button to answer %1</source>
        <translation>Klicken Sie hier, um mit %1 zu antworten</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Frage %1 von %2, aus Kapitel %3</translation>
    </message>
    <message>
        <source>Error compiling expression</source>
        <translation>Fehler beim Übersetzen des Ausdrucks</translation>
    </message>
    <message>
        <source>Error evaluating expression</source>
        <translation>Fehler beim Auswerten des Ausdrucks</translation>
    </message>
    <message>
        <source>million</source>
        <translation>Million</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>ganze Zahl</translation>
    </message>
    <message>
        <source>(Round to nearest %1)</source>
        <translation>(Runden auf %1)</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Sie haben %1 von %2 Fragen richtig beantwortet</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <source>Authors Notes</source>
        <translation>Anmerkungen des Autors</translation>
    </message>
    <message>
        <source>Close Notes</source>
        <translation>Anmerkungen schließen</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <source>Search for a term:</source>
        <translation>Begriff suchen:</translation>
    </message>
    <message>
        <source>Glossary terms</source>
        <translation>Glossarbegriffe</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <source>Close Glossary</source>
        <translation>Glossar schließen</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Chapter %1, page(s) %2</source>
        <translation>Kapitel %1, Seite(n) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <source>Cover of the book</source>
        <translation>Umschlag des Buches</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <source>Saved Scores</source>
        <translation>Gespeicherte Ergebnisse</translation>
    </message>
    <message>
        <source>There are no saved score to view.</source>
        <translation>Es gibt keine gespeicherten Ergebnisse.</translation>
    </message>
    <message>
        <source>Chart of the chosen score by chapter</source>
        <translation>Diagramm des gewählten Ergebnisses nach Kapitel</translation>
    </message>
    <message>
        <source>Chapter %1: %2%</source>
        <translation>Kapitel %1: %2 %</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <source>Topic page</source>
        <translation>Themenseite</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Die angegebenen Dateien konnten nicht geladen werden. Bitte prüfen Sie, ob die Software richtig installiert wurde</translation>
    </message>
</context>
</TS>
