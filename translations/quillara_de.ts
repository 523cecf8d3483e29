<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <location filename="../src/gui/scores/export_scores.cpp" line="+75"/>
        <source>Export Scores</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Die Ergebnisse können nicht über die Ergebnisdatei selbst exportiert werden. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Die Ergebnisse konnten nicht nach „%1“ exportiert werden.
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Die Ergebnisse wurden nach „%1“ exportiert.</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>CSV-Dateien, durch Semikolon getrennt (*.csv)</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>CSV-Dateien, durch Komma getrennt (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <location filename="../src/gui/help/about_box.cpp" line="+32"/>
        <source>About Book</source>
        <translation>Über das Buch</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cover of the book</source>
        <translation>Umschlag des Buches</translation>
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
        <translation>Über das Programm</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Quillara icon</source>
        <translation>Quillara-Symbol</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 Das Quillara-Projekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Geschrieben von den Quillara-Entwicklern und Mitwirkenden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara web page</source>
        <translation>Quillara-Webseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens %1 in your browser</source>
        <translation>Öffnet %1 im Browser</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Warnung: Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Das Kopieren oder Verbreiten des Programms oder von Teilen davon ohne Erlaubnis kann zivil- und strafrechtlich verfolgt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAnswerResponseForm</name>
    <message>
        <location filename="../src/gui/quiz/answer_response_form.cpp" line="+73"/>
        <source>Answer Response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Related glossary terms</source>
        <translation>Verwandte Glossarbegriffe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Try Again</source>
        <translation>Nochmal versuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Ihre Antwort war falsch, und zwar aus diesem Grund:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Ihre Antwort war falsch, hier sind einige Glossarbegriffe, die mit dieser Frage zusammenhängen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You answered the question incorrectly.</source>
        <translation>Ihre Antwort war falsch.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Page:  </source>
        <translation>Seite:  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter:  </source>
        <translation>Kapitel:  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <location filename="../src/gui/quiz/attempt_results_view.cpp" line="+51"/>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Ihre Antwort: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Richtige Antwort: &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Verwandte Begriffe: </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Nach Kapitel&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Kapitel %1, %2: %3&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 der %2 Fragen wurden nicht gestellt: Das Quiz wurde vorher beendet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 der %2 Fragen wurden nicht gestellt: Der Test wurde vorher beendet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede beantwortete Frage war beim ersten Mal richtig.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede Frage wurde beim ersten Mal richtig beantwortet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Falsch beantwortete Fragen&lt;/h3&gt;</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Score %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>%1 of %2, %3%</source>
        <translation>%1 von %2, %3 %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <location filename="../src/gui/search/book_search_dialog.cpp" line="+25"/>
        <source>Search the Book</source>
        <translation>Im Buch suchen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search &amp;for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Word or phrase to search for</source>
        <translation>Gesuchtes Wort oder gesuchter Ausdruck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the book for searching</source>
        <translation>Das Buch wird für die Suche vorbereitet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Preparing the book for searching…</source>
        <translation>Das Buch wird für die Suche vorbereitet…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Das Buch konnte nicht für die Suche vorbereitet werden: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Das Buch wird für die Suche vorbereitet; die Suche folgt, sobald es bereit ist…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type a word or phrase to search for.</source>
        <translation>Geben Sie ein Wort oder einen Ausdruck ein, nach dem gesucht werden soll.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No matches for “%1”.</source>
        <translation>Keine Treffer für „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 match.</source>
        <translation>1 Treffer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 matches.</source>
        <translation>%1 Treffer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first %1 of %2 matches.</source>
        <translation>Die ersten %1 von %2 Treffern.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <location filename="../src/gui/widgets/find_bar.cpp" line="+41"/>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find in the page</source>
        <translation>Auf der Seite suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>from the top</source>
        <translation>von oben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>from the bottom</source>
        <translation>von unten</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2, %3</source>
        <translation>%1 von %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <location filename="../src/gui/quiz/glos_answer_response.cpp" line="+24"/>
        <source>Answer Response</source>
        <translation>Antwort</translation>
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
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Quillara Help</source>
        <translation>Quillara-Hilfe</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <location filename="../src/gui/app/main_form.cpp" line="+71"/>
        <location line="+22"/>
        <source>&amp;True False</source>
        <translation>&amp;Wahr/Falsch</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>True False</source>
        <translation>Wahr/Falsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Startet ein Wahr/Falsch-Quiz zu diesem Kapitel</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>&amp;Multiple Choice</source>
        <translation>&amp;Multiple Choice</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Multiple Choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Startet ein Multiple-Choice-Quiz zu diesem Kapitel</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Wahr/Falsch / M&amp;ultiple Choice</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>True False/Multiple Choice</source>
        <translation>Wahr/Falsch/Multiple Choice</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Startet ein Quiz mit Wahr/Falsch- und Multiple-Choice-Fragen zu diesem Kapitel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Word Problems</source>
        <translation>&amp;Textaufgaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word Problems</source>
        <translation>Textaufgaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Startet ein Quiz mit Textaufgaben zu diesem Kapitel</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+8"/>
        <source>Studying Chapter</source>
        <translation>Aktuelles Kapitel</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Studying Chapter: </source>
        <translation>Aktuelles Kapitel: </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Chapter heading</source>
        <translation>Kapitelüberschrift</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Book…</source>
        <translation>Buch ö&amp;ffnen…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Save Scores</source>
        <translation>Ergebnisse &amp;speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Search the Book…</source>
        <translation>Im Buch &amp;suchen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Study &amp;Progress</source>
        <translation>Lern&amp;fortschritt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Glossar-Zuordnung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Review &amp;Due Questions</source>
        <translation>Fällige Fragen w&amp;iederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Scores</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View saved scores</source>
        <translation>Gespeicherte Ergebnisse &amp;anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>Ergebnisse des gewählten Kapitels als &amp;Diagramm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Scores…</source>
        <translation>Ergebnisse e&amp;xportieren…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Anmerkungen des Autors</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About &amp;Book...</source>
        <translation>Über das &amp;Buch...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Program...</source>
        <translation>Über das &amp;Programm...</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Glossary Matching</source>
        <translation>Glossar-Zuordnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Startet ein Glossar-Zuordnungsquiz zu diesem Kapitel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retake Missed Questions</source>
        <translation>Falsch beantwortete Fragen wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Stellt die Fragen erneut, die Sie im letzten Quiz oder Test falsch beantwortet haben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+221"/>
        <location line="+276"/>
        <source>Review</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="-496"/>
        <source>Asks again the questions due for review</source>
        <translation>Stellt die zur Wiederholung fälligen Fragen erneut</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Chapter Topics</source>
        <translation>Themen des Kapitels</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens the glossary of the book</source>
        <translation>Öffnet das Glossar des Buches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Graph scores for chapter</source>
        <translation>Ergebnisse des Kapitels als Diagramm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Zeigt ein Diagramm Ihrer Ergebnisse in diesem Kapitel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View saved scores</source>
        <translation>Gespeicherte Ergebnisse anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Zeigt die Ergebnisse Ihrer Quiz und Tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read authors notes</source>
        <translation>Anmerkungen des Autors lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Zeigt die Anmerkungen des Buchautors</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara for %1</source>
        <translation>Quillara für %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chapter %1 - %2</source>
        <translation>Kapitel %1 - %2</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Nothing is due for review today. The next review is due on %1.</source>
        <translation>Heute ist nichts zu wiederholen. Die nächste Wiederholung ist am %1 fällig.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing is due for review. The questions you answer in quizzes and tests come back here when it is time to review them.</source>
        <translation>Es ist nichts zu wiederholen. Die Fragen, die Sie in Quiz und Tests beantworten, kommen hierher zurück, wenn es Zeit ist, sie zu wiederholen.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Review (%1 due)</source>
        <translation>Wiederholen (%1 fällig)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Opens the page %1 of this chapter</source>
        <translation>Öffnet die Seite %1 dieses Kapitels</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara konnte in %1 kein Buch öffnen.

%2</translation>
    </message>
    <message>
        <location line="-517"/>
        <source>&amp;Larger Text</source>
        <translation>Text &amp;vergrößern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller Text</source>
        <translation>Text ver&amp;kleinern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Normal Text Size</source>
        <translation>&amp;Normale Textgröße</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <location filename="../src/gui/quiz/matching_quiz_frame.cpp" line="+41"/>
        <source>Glossary Matching Quiz</source>
        <translation>Glossar-Zuordnungsquiz</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+10"/>
        <source>List of Selectable Terms</source>
        <translation>Liste der wählbaren Begriffe</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>End Quiz</source>
        <translation>Quiz beenden</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Möchten Sie das Zuordnungsquiz wirklich beenden?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>End of Matching Quiz</source>
        <translation>Ende des Zuordnungsquiz</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Ordnen Sie die Definition links dem passendsten Begriff in der Liste rechts zu.  Um zu antworten, klicken Sie einfach auf den Begriff, den Sie für richtig halten.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+11"/>
        <source>none of its scores</source>
        <translation>keines ihrer Ergebnisse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only its first score</source>
        <translation>nur ihr erstes Ergebnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only its first %1 scores</source>
        <translation>nur ihre ersten %1 Ergebnisse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>Die Ergebnisdatei %1 ist beschädigt: %2 konnte gelesen werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The score file %1 was not read: %2.</source>
        <translation>Die Ergebnisdatei %1 wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/startup_steps.cpp" line="+25"/>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara konnte die Eigenschaften des Buches nicht finden. Möglicherweise sind Teile des Programms beschädigt oder wurden nicht installiert. BOOK.DEF muss im selben Verzeichnis wie das Programm liegen. Wenn dieser Fehler bestehen bleibt, installieren Sie die Software bitte neu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara wurde beim letzten Mal beendet, bevor es Ihnen dies mitteilen konnte:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>Das Buch in %1 ist beschädigt und kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+4"/>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Es konnte keine Kopie davon angelegt werden, daher speichert Quillara keine Ergebnisse darüber.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> Die Datei wird in ihrem bisherigen Zustand als %1 aufbewahrt. Die lesbaren Ergebnisse und die, die Sie hinzufügen, werden in %2 gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="+19"/>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara konnte das Glossar dieses Buches nicht lesen. Möglicherweise sind Teile des Programms beschädigt oder wurden nicht installiert. Wenn dieser Fehler bestehen bleibt, installieren Sie die Software bitte neu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to save scores</source>
        <translation>Die Ergebnisse konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara kann keine Ergebnisse als %1 speichern, daher werden Ihre Ergebnisse stattdessen in %2 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>Das Glossar dieses Buches ist beschädigt: Nur seine ersten %1 Begriffe konnten gelesen werden und werden angezeigt.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <location filename="../src/gui/app/open_book_dialog.cpp" line="+72"/>
        <source>Book in currently selected directory:</source>
        <translation>Buch im gewählten Verzeichnis:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title of the book</source>
        <translation>Titel des Buches</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 2</source>
        <translation>Über das Buch, Zeile 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 3</source>
        <translation>Über das Buch, Zeile 3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no book in %1.</source>
        <translation>In %1 gibt es kein Buch.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>Das Buch in %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Das Verzeichnis „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <location filename="../src/gui/scores/score_list_model.cpp" line="+55"/>
        <source>%1 of %2 for %3</source>
        <translation>%1 von %2, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <location filename="../src/gui/quiz/score_panel.cpp" line="+26"/>
        <source>Nothing has been answered yet</source>
        <translation>Noch nichts beantwortet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Sie haben %1 von %2 richtig beantwortet</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <location filename="../src/gui/search/search_hit_model.cpp" line="+53"/>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1 - %2</source>
        <translation>Kapitel %1 - %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Topic or term</source>
        <translation>Thema oder Begriff</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <location filename="../src/gui/quiz/select_chapter_form.cpp" line="+59"/>
        <source>Desired test size:</source>
        <translation>Gewünschte Testgröße:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Desired test size</source>
        <translation>Gewünschte Testgröße</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 questions</source>
        <translation>%1 Fragen</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Wählen Sie die Kapitel, die geprüft werden sollen, und die Zahl der Fragen, die Ihr Test enthalten soll.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudyProgressDialog</name>
    <message>
        <location filename="../src/gui/scores/study_progress_dialog.cpp" line="+40"/>
        <source>Study Progress</source>
        <translation>Lernfortschritt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met, by chapter</source>
        <translation>Bearbeitete Fragen nach Kapitel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met and recalled, by chapter</source>
        <translation>Bearbeitete und erinnerte Fragen nach Kapitel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Questions met</source>
        <translation>Bearbeitete Fragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would recall now</source>
        <translation>Jetzt erinnert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reviews due in the next 30 days</source>
        <translation>Fällige Wiederholungen in den nächsten 30 Tagen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Chapter %1 - %2</source>
        <translation>Kapitel %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none met yet</source>
        <translation>noch keine bearbeitet</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No reviews are due in the next 30 days.</source>
        <translation>In den nächsten 30 Tagen ist keine Wiederholung fällig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due: </source>
        <translation>Fällig: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart of the reviews due each day</source>
        <translation>Diagramm der täglich fälligen Wiederholungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You studied on %1 of the last %2 days.</source>
        <translation>Sie haben an %1 der letzten %2 Tage gelernt.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="-13"/>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Ihre Ergebnisse werden stattdessen in %1 gespeichert.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Quillara could not read the record of your answers in %1, so it is kept as %2 and a new record is begun.</source>
        <translation>Quillara konnte die Aufzeichnung Ihrer Antworten in %1 nicht lesen; sie wird als %2 aufbewahrt, und eine neue Aufzeichnung wird begonnen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara cannot keep a record of your answers in %1, so the questions you answer will not come back for review. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara kann in %1 keine Aufzeichnung Ihrer Antworten führen, daher kommen beantwortete Fragen nicht zur Wiederholung zurück. Ihre Quiz und Ergebnisse gehen wie bisher weiter.

%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quillara could not add your answer to the record of your answers in %1, and keeps no record for the rest of this session. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara konnte Ihre Antwort nicht zur Aufzeichnung Ihrer Antworten in %1 hinzufügen und führt für den Rest dieser Sitzung keine Aufzeichnung. Ihre Quiz und Ergebnisse gehen wie bisher weiter.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <location filename="../src/gui/scores/graph_score_frame.cpp" line="+31"/>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Diagramm Ihrer letzten Ergebnisse in diesem Kapitel</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>There are no saved scores for chapter %1</source>
        <translation>Für Kapitel %1 gibt es keine gespeicherten Ergebnisse</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2%</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestForm1</name>
    <message>
        <location filename="../src/gui/quiz/test_window.cpp" line="+16"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTestFrame1</name>
    <message>
        <location filename="../src/gui/quiz/attempt_frame.cpp" line="+89"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enter your answer:</source>
        <translation>Ihre Antwort:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Submit your answer</source>
        <translation>Antwort abgeben</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+55"/>
        <source>End Quiz</source>
        <translation>Quiz beenden</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Click this button to answer %1</source>
        <translation>Klicken Sie hier, um mit %1 zu antworten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Frage %1 von %2, aus Kapitel %3</translation>
    </message>
    <message>
        <location line="-250"/>
        <source>Error compiling expression</source>
        <translation>Fehler beim Übersetzen des Ausdrucks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error evaluating expression</source>
        <translation>Fehler beim Auswerten des Ausdrucks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>million</source>
        <translation>Million</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>integer</source>
        <translation>ganze Zahl</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(Round to nearest %1)</source>
        <translation>(Runden auf %1)</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>End Test</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Sie haben %1 von %2 Fragen richtig beantwortet</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_authors_notes_frame.cpp" line="+31"/>
        <location line="+10"/>
        <source>Authors Notes</source>
        <translation>Anmerkungen des Autors</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Close Notes</source>
        <translation>Anmerkungen schließen</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <location filename="../src/gui/glossary/view_glossary_frame.cpp" line="+38"/>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search for a term:</source>
        <translation>Begriff suchen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glossary terms</source>
        <translation>Glossarbegriffe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close Glossary</source>
        <translation>Glossar schließen</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1, page(s) %2</source>
        <translation>Kapitel %1, Seite(n) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <location filename="../src/gui/shell/view_host.cpp" line="+20"/>
        <source>Cover of the book</source>
        <translation>Umschlag des Buches</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <location filename="../src/gui/scores/view_score_frame.cpp" line="+64"/>
        <location line="+17"/>
        <source>Saved Scores</source>
        <translation>Gespeicherte Ergebnisse</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>There are no saved score to view.</source>
        <translation>Es gibt keine gespeicherten Ergebnisse.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Chart of the chosen score by chapter</source>
        <translation>Diagramm des gewählten Ergebnisses nach Kapitel</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Chapter %1: %2%</source>
        <translation>Kapitel %1: %2 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_topic_frame.cpp" line="+48"/>
        <source>Topic page</source>
        <translation>Themenseite</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Die angegebenen Dateien konnten nicht geladen werden. Bitte prüfen Sie, ob die Software richtig installiert wurde</translation>
    </message>
</context>
</TS>
