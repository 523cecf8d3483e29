<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <location filename="../src/gui/scores/export_scores.cpp" line="+75"/>
        <source>Export Scores</source>
        <translation>Exporter les scores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Les scores ne peuvent pas être exportés par-dessus le fichier de scores lui-même. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Impossible d’exporter les scores vers « %1 ».
%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Les scores ont été exportés vers « %1 ».</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Fichiers CSV, séparés par des points-virgules (*.csv)</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Fichiers CSV, séparés par des virgules (*.csv)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <location filename="../src/gui/help/about_box.cpp" line="+32"/>
        <source>About Book</source>
        <translation>À propos du livre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cover of the book</source>
        <translation>Couverture du livre</translation>
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
        <translation>À propos du programme</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Quillara icon</source>
        <translation>Icône de Quillara</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 Le projet Quillara</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Écrit par les développeurs et contributeurs de Quillara</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara web page</source>
        <translation>Page web de Quillara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens %1 in your browser</source>
        <translation>Ouvre %1 dans votre navigateur</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Avertissement : ce programme est protégé par le droit d’auteur et les traités internationaux. Le copier ou le distribuer, en tout ou en partie, sans autorisation peut entraîner des sanctions civiles et pénales.</translation>
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
        <translation>Réponse</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Correct!</source>
        <translation>Correct !</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Related glossary terms</source>
        <translation>Termes du glossaire associés</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Next Question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Vous avez mal répondu à la question, voici pourquoi :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Vous avez mal répondu à la question, voici quelques termes du glossaire liés à cette question</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You answered the question incorrectly.</source>
        <translation>Vous avez mal répondu à la question.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Page:  </source>
        <translation>Page :  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter:  </source>
        <translation>Chapitre :  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <location filename="../src/gui/quiz/attempt_results_view.cpp" line="+51"/>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Votre réponse : &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Bonne réponse : &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Termes associés : </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Reprendre les questions manquées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Par chapitre&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Chapitre %1, %2 : %3&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 des %2 questions n’ont pas été posées : le quiz a été terminé avant.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 des %2 questions n’ont pas été posées : le test a été terminé avant.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque question répondue était juste du premier coup.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque question a reçu une bonne réponse du premier coup.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Questions manquées&lt;/h3&gt;</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>%1 of %2, %3%</source>
        <translation>%1 sur %2, %3 %</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <location filename="../src/gui/search/book_search_dialog.cpp" line="+25"/>
        <source>Search the Book</source>
        <translation>Rechercher dans le livre</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search &amp;for:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Word or phrase to search for</source>
        <translation>Mot ou expression à rechercher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the book for searching</source>
        <translation>Préparation du livre pour la recherche</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Matches</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Preparing the book for searching…</source>
        <translation>Préparation du livre pour la recherche…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Le livre n’a pas pu être préparé pour la recherche : %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Préparation du livre pour la recherche ; la recherche suivra dès qu’il sera prêt…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Type a word or phrase to search for.</source>
        <translation>Saisissez un mot ou une expression à rechercher.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No matches for “%1”.</source>
        <translation>Aucun résultat pour « %1 ».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 match.</source>
        <translation>1 résultat.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 matches.</source>
        <translation>%1 résultats.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first %1 of %2 matches.</source>
        <translation>Les %1 premiers des %2 résultats.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <location filename="../src/gui/widgets/find_bar.cpp" line="+41"/>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find in the page</source>
        <translation>Rechercher dans la page</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>from the top</source>
        <translation>depuis le haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>from the bottom</source>
        <translation>depuis le bas</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2, %3</source>
        <translation>%1 sur %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <location filename="../src/gui/quiz/glos_answer_response.cpp" line="+24"/>
        <source>Answer Response</source>
        <translation>Réponse</translation>
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
        <translation>Page d’aide</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Quillara Help</source>
        <translation>Aide de Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <location filename="../src/gui/app/main_form.cpp" line="+71"/>
        <location line="+22"/>
        <source>&amp;True False</source>
        <translation>&amp;Vrai/Faux</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>True False</source>
        <translation>Vrai/Faux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Lance un quiz Vrai/Faux sur ce chapitre</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>&amp;Multiple Choice</source>
        <translation>Choix &amp;multiple</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Multiple Choice</source>
        <translation>Choix multiple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Lance un quiz à choix multiple sur ce chapitre</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+18"/>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Vrai/Faux / C&amp;hoix multiple</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>True False/Multiple Choice</source>
        <translation>Vrai/Faux/Choix multiple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Lance un quiz de questions Vrai/Faux et à choix multiple sur ce chapitre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Word Problems</source>
        <translation>&amp;Problèmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Lance un quiz de problèmes sur ce chapitre</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+8"/>
        <source>Studying Chapter</source>
        <translation>Chapitre étudié</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Studying Chapter: </source>
        <translation>Chapitre étudié : </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Chapter heading</source>
        <translation>Titre du chapitre</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Book…</source>
        <translation>&amp;Ouvrir un livre…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Save Scores</source>
        <translation>&amp;Enregistrer les scores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossaire</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Rechercher dans le livre…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Study &amp;Progress</source>
        <translation>Progression de l'é&amp;tude</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Association du glossaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Reprendre les questions manquées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Review &amp;Due Questions</source>
        <translation>Réviser les questions &amp;dues</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View saved scores</source>
        <translation>&amp;Voir les scores enregistrés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Graphique des scores du chapitre choisi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exporter les scores…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notes de l’auteur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About &amp;Book...</source>
        <translation>À propos du &amp;livre...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About &amp;Program...</source>
        <translation>À propos du &amp;programme...</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Glossary Matching</source>
        <translation>Association du glossaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Lance un quiz d’association du glossaire sur ce chapitre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Retake Missed Questions</source>
        <translation>Reprendre les questions manquées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Pose à nouveau les questions manquées lors de votre dernier quiz ou test</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+221"/>
        <location line="+276"/>
        <source>Review</source>
        <translation>Réviser</translation>
    </message>
    <message>
        <location line="-496"/>
        <source>Asks again the questions due for review</source>
        <translation>Repose les questions à réviser</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Chapter Topics</source>
        <translation>Sujets du chapitre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens the glossary of the book</source>
        <translation>Ouvre le glossaire du livre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Graph scores for chapter</source>
        <translation>Graphique des scores du chapitre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Affiche un graphique de vos scores sur ce chapitre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View saved scores</source>
        <translation>Voir les scores enregistrés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Affiche les scores de vos quiz et tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read authors notes</source>
        <translation>Lire les notes de l’auteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Affiche les notes de l’auteur du livre</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara for %1</source>
        <translation>Quillara pour %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chapter %1 - %2</source>
        <translation>Chapitre %1 - %2</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Nothing is due for review today. The next review is due on %1.</source>
        <translation>Rien à réviser aujourd'hui. La prochaine révision est prévue le %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing is due for review. The questions you answer in quizzes and tests come back here when it is time to review them.</source>
        <translation>Rien à réviser. Les questions auxquelles vous répondez dans les quiz et les tests reviennent ici quand il est temps de les réviser.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Review (%1 due)</source>
        <translation>Réviser (%1 à revoir)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Opens the page %1 of this chapter</source>
        <translation>Ouvre la page %1 de ce chapitre</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara n’a pas pu ouvrir de livre dans %1.

%2</translation>
    </message>
    <message>
        <location line="-517"/>
        <source>&amp;Larger Text</source>
        <translation>Texte plus gran&amp;d</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>S&amp;maller Text</source>
        <translation>Texte plus &amp;petit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Normal Text Size</source>
        <translation>Taille de texte &amp;normale</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <location filename="../src/gui/quiz/matching_quiz_frame.cpp" line="+41"/>
        <source>Glossary Matching Quiz</source>
        <translation>Quiz d’association du glossaire</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+10"/>
        <source>List of Selectable Terms</source>
        <translation>Liste des termes à choisir</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>End Quiz</source>
        <translation>Terminer le quiz</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Voulez-vous vraiment terminer le quiz d’association ?</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>End of Matching Quiz</source>
        <translation>Fin du quiz d’association</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Associez la définition de gauche au terme le plus approprié de la liste de droite.  Pour répondre, cliquez simplement sur le terme que vous pensez correct.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+11"/>
        <source>none of its scores</source>
        <translation>aucun de ses scores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only its first score</source>
        <translation>seulement son premier score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only its first %1 scores</source>
        <translation>seulement ses %1 premiers scores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>Le fichier de scores %1 est endommagé : %2 a pu être lu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The score file %1 was not read: %2.</source>
        <translation>Le fichier de scores %1 n’a pas été lu : %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/startup_steps.cpp" line="+25"/>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara n’a pas pu trouver les propriétés du livre. Il est possible que des parties du programme soient endommagées ou n’aient pas été installées. BOOK.DEF doit se trouver dans le même dossier que le programme. Si cette erreur persiste, veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara a été fermé la dernière fois avant de pouvoir vous dire ceci :</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>Le livre de %1 est endommagé et ne peut pas être ouvert.

%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/damaged_scores_message.cpp" line="+4"/>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Aucune copie n’a pu en être gardée : Quillara n’enregistrera donc pas de scores par-dessus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> Le fichier tel qu’il était est conservé sous le nom %1. Les scores qui ont pu être lus, et ceux que vous ajouterez, seront enregistrés dans %2.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="+19"/>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara n’a pas pu lire le glossaire de ce livre. Il est possible que des parties du programme soient endommagées ou n’aient pas été installées. Si cette erreur persiste, veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to save scores</source>
        <translation>Impossible d’enregistrer les scores</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara ne peut pas enregistrer les scores sous %1 ; vos scores sont donc conservés dans %2.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>Le glossaire de ce livre est endommagé : seuls ses %1 premiers termes ont pu être lus, et ils sont affichés.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <location filename="../src/gui/app/open_book_dialog.cpp" line="+72"/>
        <source>Book in currently selected directory:</source>
        <translation>Livre du dossier choisi :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title of the book</source>
        <translation>Titre du livre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 2</source>
        <translation>À propos du livre, ligne 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the book, line 3</source>
        <translation>À propos du livre, ligne 3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no book in %1.</source>
        <translation>Il n’y a pas de livre dans %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>Le livre de %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <location filename="../src/gui/scores/score_list_model.cpp" line="+55"/>
        <source>%1 of %2 for %3</source>
        <translation>%1 sur %2, soit %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <location filename="../src/gui/quiz/score_panel.cpp" line="+26"/>
        <source>Nothing has been answered yet</source>
        <translation>Aucune réponse pour l’instant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Vous avez bien répondu à %1 sur %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <location filename="../src/gui/search/search_hit_model.cpp" line="+53"/>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chapter %1 - %2</source>
        <translation>Chapitre %1 - %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Topic or term</source>
        <translation>Sujet ou terme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <location filename="../src/gui/quiz/select_chapter_form.cpp" line="+59"/>
        <source>Desired test size:</source>
        <translation>Taille du test souhaitée :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Desired test size</source>
        <translation>Taille du test souhaitée</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 questions</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <location line="-74"/>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Choisissez les chapitres sur lesquels vous voulez être testé, et le nombre de questions que votre test doit comporter.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudyProgressDialog</name>
    <message>
        <location filename="../src/gui/scores/study_progress_dialog.cpp" line="+40"/>
        <source>Study Progress</source>
        <translation>Progression de l'étude</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met, by chapter</source>
        <translation>Questions rencontrées, par chapitre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions met and recalled, by chapter</source>
        <translation>Questions rencontrées et retenues, par chapitre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Questions met</source>
        <translation>Questions rencontrées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Would recall now</source>
        <translation>Retenues maintenant</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reviews due in the next 30 days</source>
        <translation>Révisions prévues dans les 30 prochains jours</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Chapter %1 - %2</source>
        <translation>Chapitre %1 - %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none met yet</source>
        <translation>aucune rencontrée</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No reviews are due in the next 30 days.</source>
        <translation>Aucune révision n'est prévue dans les 30 prochains jours.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Due: </source>
        <translation>À réviser : </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart of the reviews due each day</source>
        <translation>Graphique des révisions prévues chaque jour</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You studied on %1 of the last %2 days.</source>
        <translation>Vous avez étudié %1 des %2 derniers jours.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <location filename="../src/gui/shell/study_session.cpp" line="-13"/>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Vos scores seront enregistrés dans %1 à la place.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>Quillara could not read the record of your answers in %1, so it is kept as %2 and a new record is begun.</source>
        <translation>Quillara n'a pas pu lire l'historique de vos réponses dans %1 ; il est conservé sous %2 et un nouvel historique est commencé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quillara cannot keep a record of your answers in %1, so the questions you answer will not come back for review. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara ne peut pas tenir l'historique de vos réponses dans %1 : les questions auxquelles vous répondez ne reviendront pas en révision. Vos quiz et vos résultats continuent comme avant.

%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Quillara could not add your answer to the record of your answers in %1, and keeps no record for the rest of this session. Your quizzes and scores go on as before.

%2</source>
        <translation>Quillara n'a pas pu ajouter votre réponse à l'historique de vos réponses dans %1 et n'en tient plus pour le reste de cette session. Vos quiz et vos résultats continuent comme avant.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <location filename="../src/gui/scores/graph_score_frame.cpp" line="+31"/>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Graphique de vos derniers scores sur ce chapitre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>There are no saved scores for chapter %1</source>
        <translation>Il n’y a pas de scores enregistrés pour le chapitre %1</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2%</source>
        <translation>%1 : %2 %</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Percent</source>
        <translation>Pourcentage</translation>
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
        <translation>Question</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enter your answer:</source>
        <translation>Saisissez votre réponse :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Submit your answer</source>
        <translation>Valider votre réponse</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+55"/>
        <source>End Quiz</source>
        <translation>Terminer le quiz</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Click this button to answer %1</source>
        <translation>Cliquez sur ce bouton pour répondre %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Question %1 sur %2, du chapitre %3</translation>
    </message>
    <message>
        <location line="-250"/>
        <source>Error compiling expression</source>
        <translation>Erreur à la compilation de l’expression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error evaluating expression</source>
        <translation>Erreur à l’évaluation de l’expression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>million</source>
        <translation>million</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>integer</source>
        <translation>entier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(Round to nearest %1)</source>
        <translation>(Arrondir à %1 près)</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>End Test</source>
        <translation>Terminer le test</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Vous avez bien répondu à %1 questions sur %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_authors_notes_frame.cpp" line="+31"/>
        <location line="+10"/>
        <source>Authors Notes</source>
        <translation>Notes de l’auteur</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Close Notes</source>
        <translation>Fermer les notes</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <location filename="../src/gui/glossary/view_glossary_frame.cpp" line="+38"/>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Search for a term:</source>
        <translation>Rechercher un terme :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glossary terms</source>
        <translation>Termes du glossaire</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close Glossary</source>
        <translation>Fermer le glossaire</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1, page(s) %2</source>
        <translation>Chapitre %1, page(s) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <location filename="../src/gui/shell/view_host.cpp" line="+20"/>
        <source>Cover of the book</source>
        <translation>Couverture du livre</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <location filename="../src/gui/scores/view_score_frame.cpp" line="+64"/>
        <location line="+17"/>
        <source>Saved Scores</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>There are no saved score to view.</source>
        <translation>Il n’y a aucun score enregistré à afficher.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Chart of the chosen score by chapter</source>
        <translation>Graphique du score choisi par chapitre</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>Chapter %1: %2%</source>
        <translation>Chapitre %1 : %2 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <location filename="../src/gui/reading/view_topic_frame.cpp" line="+48"/>
        <source>Topic page</source>
        <translation>Page du sujet</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Impossible de charger les fichiers indiqués ; veuillez vérifier que le logiciel a été correctement installé</translation>
    </message>
</context>
</TS>
