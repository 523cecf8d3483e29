<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quillara::gui::ExportScores</name>
    <message>
        <source>Export Scores</source>
        <translation>Exporter les scores</translation>
    </message>
    <message>
        <source>The scores cannot be exported over the score file itself. Choose another name.</source>
        <translation>Les scores ne peuvent pas être exportés par-dessus le fichier de scores lui-même. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Unable to export scores to &quot;%1&quot;.
%2</source>
        <translation>Impossible d’exporter les scores vers « %1 ».
%2</translation>
    </message>
    <message>
        <source>The scores were exported to &quot;%1&quot;.</source>
        <translation>Les scores ont été exportés vers « %1 ».</translation>
    </message>
    <message>
        <source>CSV files, semicolon separated (*.csv)</source>
        <translation>Fichiers CSV, séparés par des points-virgules (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV files, comma separated (*.csv)</source>
        <translation>Fichiers CSV, séparés par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAboutBox</name>
    <message>
        <source>About Book</source>
        <translation>À propos du livre</translation>
    </message>
    <message>
        <source>Cover of the book</source>
        <translation>Couverture du livre</translation>
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
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>Quillara icon</source>
        <translation>Icône de Quillara</translation>
    </message>
    <message>
        <source>Copyright 2026 The Quillara Project</source>
        <translation>Copyright 2026 Le projet Quillara</translation>
    </message>
    <message>
        <source>Written by the Quillara developers and contributors</source>
        <translation>Écrit par les développeurs et contributeurs de Quillara</translation>
    </message>
    <message>
        <source>Quillara web page</source>
        <translation>Page web de Quillara</translation>
    </message>
    <message>
        <source>Opens %1 in your browser</source>
        <translation>Ouvre %1 dans votre navigateur</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties. Copying or distributing it, or any part of it, without permission may result in civil and criminal penalties.</source>
        <translation>Avertissement : ce programme est protégé par le droit d’auteur et les traités internationaux. Le copier ou le distribuer, en tout ou en partie, sans autorisation peut entraîner des sanctions civiles et pénales.</translation>
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
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Correct !</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Related glossary terms</source>
        <translation>Termes du glossaire associés</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here is why:</source>
        <translation>Vous avez mal répondu à la question, voici pourquoi :</translation>
    </message>
    <message>
        <source>You answered the question incorrectly, here are some glossary terms that are related to this question</source>
        <translation>Vous avez mal répondu à la question, voici quelques termes du glossaire liés à cette question</translation>
    </message>
    <message>
        <source>You answered the question incorrectly.</source>
        <translation>Vous avez mal répondu à la question.</translation>
    </message>
    <message>
        <source>Page:  </source>
        <translation>Page :  </translation>
    </message>
    <message>
        <source>Chapter:  </source>
        <translation>Chapitre :  </translation>
    </message>
</context>
<context>
    <name>quillara::gui::TAttemptResultsView</name>
    <message>
        <source>Your answer: &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Right answer: &lt;b&gt;%2&lt;/b&gt;</source>
        <translation>Votre réponse : &lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Bonne réponse : &lt;b&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Related terms: </source>
        <translation>&lt;p&gt;Termes associés : </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Reprendre les questions manquées</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&lt;h3&gt;By chapter&lt;/h3&gt;&lt;p&gt;</source>
        <translation>&lt;h3&gt;Par chapitre&lt;/h3&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Chapter %1, %2: %3&lt;br&gt;</source>
        <translation>Chapitre %1, %2 : %3&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the quiz was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 des %2 questions n’ont pas été posées : le quiz a été terminé avant.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 of the %2 questions were not asked: the test was ended before them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 des %2 questions n’ont pas été posées : le test a été terminé avant.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question answered was right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque question répondue était juste du premier coup.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every question was answered right the first time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque question a reçu une bonne réponse du premier coup.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Missed questions&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Questions manquées&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3%</source>
        <translation>%1 sur %2, %3 %</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TBookSearchDialog</name>
    <message>
        <source>Search the Book</source>
        <translation>Rechercher dans le livre</translation>
    </message>
    <message>
        <source>Search &amp;for:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Word or phrase to search for</source>
        <translation>Mot ou expression à rechercher</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Preparing the book for searching</source>
        <translation>Préparation du livre pour la recherche</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Preparing the book for searching…</source>
        <translation>Préparation du livre pour la recherche…</translation>
    </message>
    <message>
        <source>The book could not be prepared for searching: %1</source>
        <translation>Le livre n’a pas pu être préparé pour la recherche : %1</translation>
    </message>
    <message>
        <source>Preparing the book for searching; the search follows as soon as it is ready…</source>
        <translation>Préparation du livre pour la recherche ; la recherche suivra dès qu’il sera prêt…</translation>
    </message>
    <message>
        <source>Type a word or phrase to search for.</source>
        <translation>Saisissez un mot ou une expression à rechercher.</translation>
    </message>
    <message>
        <source>No matches for “%1”.</source>
        <translation>Aucun résultat pour « %1 ».</translation>
    </message>
    <message>
        <source>1 match.</source>
        <translation>1 résultat.</translation>
    </message>
    <message>
        <source>%1 matches.</source>
        <translation>%1 résultats.</translation>
    </message>
    <message>
        <source>The first %1 of %2 matches.</source>
        <translation>Les %1 premiers des %2 résultats.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TFindBar</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>Rechercher dans la page</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>from the top</source>
        <translation>depuis le haut</translation>
    </message>
    <message>
        <source>from the bottom</source>
        <translation>depuis le bas</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>%1 sur %2, %3</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TGlosAnswerResponse</name>
    <message>
        <source>Answer Response</source>
        <translation>Réponse</translation>
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
        <translation>Page d’aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Quillara Help</source>
        <translation>Aide de Quillara</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMainForm</name>
    <message>
        <source>&amp;True False</source>
        <translation>&amp;Vrai/Faux</translation>
    </message>
    <message>
        <source>True False</source>
        <translation>Vrai/Faux</translation>
    </message>
    <message>
        <source>Starts a True False quiz on this chapter</source>
        <translation>Lance un quiz Vrai/Faux sur ce chapitre</translation>
    </message>
    <message>
        <source>&amp;Multiple Choice</source>
        <translation>Choix &amp;multiple</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Choix multiple</translation>
    </message>
    <message>
        <source>Starts a Multiple Choice quiz on this chapter</source>
        <translation>Lance un quiz à choix multiple sur ce chapitre</translation>
    </message>
    <message>
        <source>True &amp;False / Multiple Choice</source>
        <translation>Vrai/Faux / C&amp;hoix multiple</translation>
    </message>
    <message>
        <source>True False/Multiple Choice</source>
        <translation>Vrai/Faux/Choix multiple</translation>
    </message>
    <message>
        <source>Starts a quiz of True False and Multiple Choice questions on this chapter</source>
        <translation>Lance un quiz de questions Vrai/Faux et à choix multiple sur ce chapitre</translation>
    </message>
    <message>
        <source>&amp;Word Problems</source>
        <translation>&amp;Problèmes</translation>
    </message>
    <message>
        <source>Word Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Starts a quiz of word problems on this chapter</source>
        <translation>Lance un quiz de problèmes sur ce chapitre</translation>
    </message>
    <message>
        <source>Studying Chapter</source>
        <translation>Chapitre étudié</translation>
    </message>
    <message>
        <source>Studying Chapter: </source>
        <translation>Chapitre étudié : </translation>
    </message>
    <message>
        <source>Chapter heading</source>
        <translation>Titre du chapitre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>&amp;Ouvrir un livre…</translation>
    </message>
    <message>
        <source>&amp;Save Scores</source>
        <translation>&amp;Enregistrer les scores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Glossary</source>
        <translation>&amp;Glossaire</translation>
    </message>
    <message>
        <source>&amp;Search the Book…</source>
        <translation>&amp;Rechercher dans le livre…</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;Glossary Matching</source>
        <translation>&amp;Association du glossaire</translation>
    </message>
    <message>
        <source>&amp;Retake Missed Questions</source>
        <translation>&amp;Reprendre les questions manquées</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>&amp;View saved scores</source>
        <translation>&amp;Voir les scores enregistrés</translation>
    </message>
    <message>
        <source>&amp;Graph scores for selected chapter</source>
        <translation>&amp;Graphique des scores du chapitre choisi</translation>
    </message>
    <message>
        <source>&amp;Export Scores…</source>
        <translation>&amp;Exporter les scores…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Authors &amp;Notes</source>
        <translation>&amp;Notes de l’auteur</translation>
    </message>
    <message>
        <source>About &amp;Book...</source>
        <translation>À propos du &amp;livre...</translation>
    </message>
    <message>
        <source>About &amp;Program...</source>
        <translation>À propos du &amp;programme...</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Glossary Matching</source>
        <translation>Association du glossaire</translation>
    </message>
    <message>
        <source>Starts a glossary matching quiz on this chapter</source>
        <translation>Lance un quiz d’association du glossaire sur ce chapitre</translation>
    </message>
    <message>
        <source>Retake Missed Questions</source>
        <translation>Reprendre les questions manquées</translation>
    </message>
    <message>
        <source>Asks again the questions you missed in your last quiz or test</source>
        <translation>Pose à nouveau les questions manquées lors de votre dernier quiz ou test</translation>
    </message>
    <message>
        <source>Chapter Topics</source>
        <translation>Sujets du chapitre</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <source>Opens the glossary of the book</source>
        <translation>Ouvre le glossaire du livre</translation>
    </message>
    <message>
        <source>Graph scores for chapter</source>
        <translation>Graphique des scores du chapitre</translation>
    </message>
    <message>
        <source>Shows a graph of your scores on this chapter</source>
        <translation>Affiche un graphique de vos scores sur ce chapitre</translation>
    </message>
    <message>
        <source>View saved scores</source>
        <translation>Voir les scores enregistrés</translation>
    </message>
    <message>
        <source>Shows the scores of your quizzes and tests</source>
        <translation>Affiche les scores de vos quiz et tests</translation>
    </message>
    <message>
        <source>Read authors notes</source>
        <translation>Lire les notes de l’auteur</translation>
    </message>
    <message>
        <source>Shows the notes of the book&apos;s author</source>
        <translation>Affiche les notes de l’auteur du livre</translation>
    </message>
    <message>
        <source>Quillara for %1</source>
        <translation>Quillara pour %1</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Chapitre %1 - %2</translation>
    </message>
    <message>
        <source>Opens the page %1 of this chapter</source>
        <translation>Ouvre la page %1 de ce chapitre</translation>
    </message>
    <message>
        <source>Quillara could not open a book in %1.

%2</source>
        <translation>Quillara n’a pas pu ouvrir de livre dans %1.

%2</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Texte plus gran&amp;d</translation>
    </message>
    <message>
        <source>S&amp;maller Text</source>
        <translation>Texte plus &amp;petit</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Taille de texte &amp;normale</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMatchingQuizFrame1</name>
    <message>
        <source>Glossary Matching Quiz</source>
        <translation>Quiz d’association du glossaire</translation>
    </message>
    <message>
        <source>List of Selectable Terms</source>
        <translation>Liste des termes à choisir</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Terminer le quiz</translation>
    </message>
    <message>
        <source>Are you sure you want to end the matching quiz?</source>
        <translation>Voulez-vous vraiment terminer le quiz d’association ?</translation>
    </message>
    <message>
        <source>End of Matching Quiz</source>
        <translation>Fin du quiz d’association</translation>
    </message>
    <message>
        <source>Match the definition on the left to the most appropriate term in the list on the right.  To sumbit your answer, simply click the term you think is correct.</source>
        <translation>Associez la définition de gauche au terme le plus approprié de la liste de droite.  Pour répondre, cliquez simplement sur le terme que vous pensez correct.</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TMessageBoxes</name>
    <message>
        <source>none of its scores</source>
        <translation>aucun de ses scores</translation>
    </message>
    <message>
        <source>only its first score</source>
        <translation>seulement son premier score</translation>
    </message>
    <message>
        <source>only its first %1 scores</source>
        <translation>seulement ses %1 premiers scores</translation>
    </message>
    <message>
        <source>The score file %1 is damaged: %2 could be read.</source>
        <translation>Le fichier de scores %1 est endommagé : %2 a pu être lu.</translation>
    </message>
    <message>
        <source>The score file %1 was not read: %2.</source>
        <translation>Le fichier de scores %1 n’a pas été lu : %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to find the properties of the book. It is possible that parts of the program are corrupted or were not installed. BOOK.DEF must be in the same directory as the program. If this error persists, please reinstall the software</source>
        <translation>Quillara n’a pas pu trouver les propriétés du livre. Il est possible que des parties du programme soient endommagées ou n’aient pas été installées. BOOK.DEF doit se trouver dans le même dossier que le programme. Si cette erreur persiste, veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <source>Quillara was ended last time before it could tell you this:</source>
        <translation>Quillara a été fermé la dernière fois avant de pouvoir vous dire ceci :</translation>
    </message>
    <message>
        <source>The book in %1 is damaged and cannot be opened.

%2</source>
        <translation>Le livre de %1 est endommagé et ne peut pas être ouvert.

%2</translation>
    </message>
    <message>
        <source> No copy of it could be kept, so Quillara will not save scores over it.</source>
        <translation> Aucune copie n’a pu en être gardée : Quillara n’enregistrera donc pas de scores par-dessus.</translation>
    </message>
    <message>
        <source> The file as it was is kept as %1. The scores that could be read, and those you add, will be saved in %2.</source>
        <translation> Le fichier tel qu’il était est conservé sous le nom %1. Les scores qui ont pu être lus, et ceux que vous ajouterez, seront enregistrés dans %2.</translation>
    </message>
    <message>
        <source>Quillara was unable to read the glossary for this book. It is possible that parts of the program are corrupted or were not installed. If this error persists, please reinstall the software</source>
        <translation>Quillara n’a pas pu lire le glossaire de ce livre. Il est possible que des parties du programme soient endommagées ou n’aient pas été installées. Si cette erreur persiste, veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <source>Unable to save scores</source>
        <translation>Impossible d’enregistrer les scores</translation>
    </message>
    <message>
        <source>Quillara cannot save scores as %1, so your scores are kept in %2 instead.</source>
        <translation>Quillara ne peut pas enregistrer les scores sous %1 ; vos scores sont donc conservés dans %2.</translation>
    </message>
    <message>
        <source>The glossary of this book is damaged: only its first %1 terms could be read, and they are shown.

%2</source>
        <translation>Le glossaire de ce livre est endommagé : seuls ses %1 premiers termes ont pu être lus, et ils sont affichés.

%2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TOpenBookDlg</name>
    <message>
        <source>Book in currently selected directory:</source>
        <translation>Livre du dossier choisi :</translation>
    </message>
    <message>
        <source>Title of the book</source>
        <translation>Titre du livre</translation>
    </message>
    <message>
        <source>About the book, line 2</source>
        <translation>À propos du livre, ligne 2</translation>
    </message>
    <message>
        <source>About the book, line 3</source>
        <translation>À propos du livre, ligne 3</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>There is no book in %1.</source>
        <translation>Il n’y a pas de livre dans %1.</translation>
    </message>
    <message>
        <source>The book in %1 cannot be opened: %2</source>
        <translation>Le livre de %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>Cannot open the directory &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScoreListModel</name>
    <message>
        <source>%1 of %2 for %3</source>
        <translation>%1 sur %2, soit %3</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Test Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TScorePanel</name>
    <message>
        <source>Nothing has been answered yet</source>
        <translation>Aucune réponse pour l’instant</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 correctly</source>
        <translation>Vous avez bien répondu à %1 sur %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSearchHitModel</name>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <source>Chapter %1 - %2</source>
        <translation>Chapitre %1 - %2</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Topic or term</source>
        <translation>Sujet ou terme</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TSelectChapterForm</name>
    <message>
        <source>Desired test size:</source>
        <translation>Taille du test souhaitée :</translation>
    </message>
    <message>
        <source>Desired test size</source>
        <translation>Taille du test souhaitée</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Select the chapters that you want to be tested on, and the number of question you want your test to include.</source>
        <translation>Choisissez les chapitres sur lesquels vous voulez être testé, et le nombre de questions que votre test doit comporter.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TStudySession</name>
    <message>
        <source>Your scores will be saved in %1 instead.</source>
        <translation>Vos scores seront enregistrés dans %1 à la place.</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TTGraphScoreFrame1</name>
    <message>
        <source>Graph of your recent scores on this chapter</source>
        <translation>Graphique de vos derniers scores sur ce chapitre</translation>
    </message>
    <message>
        <source>There are no saved scores for chapter %1</source>
        <translation>Il n’y a pas de scores enregistrés pour le chapitre %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>%1: %2%</source>
        <translation>%1 : %2 %</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
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
        <translation>Question</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Enter your answer:</source>
        <translation>Saisissez votre réponse :</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Submit your answer</source>
        <translation>Valider votre réponse</translation>
    </message>
    <message>
        <source>End Quiz</source>
        <translation>Terminer le quiz</translation>
    </message>
    <message>
        <source>Click this button to answer %1</source>
        <translation>Cliquez sur ce bouton pour répondre %1</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Question %1 of %2, from chapter %3</source>
        <translation>Question %1 sur %2, du chapitre %3</translation>
    </message>
    <message>
        <source>Error compiling expression</source>
        <translation>Erreur à la compilation de l’expression</translation>
    </message>
    <message>
        <source>Error evaluating expression</source>
        <translation>Erreur à l’évaluation de l’expression</translation>
    </message>
    <message>
        <source>million</source>
        <translation>million</translation>
    </message>
    <message>
        <source>integer</source>
        <translation>entier</translation>
    </message>
    <message>
        <source>(Round to nearest %1)</source>
        <translation>(Arrondir à %1 près)</translation>
    </message>
    <message>
        <source>End Test</source>
        <translation>Terminer le test</translation>
    </message>
    <message>
        <source>You have answered %1 of %2 questions correctly</source>
        <translation>Vous avez bien répondu à %1 questions sur %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewAuthorsNotesFrame1</name>
    <message>
        <source>Authors Notes</source>
        <translation>Notes de l’auteur</translation>
    </message>
    <message>
        <source>Close Notes</source>
        <translation>Fermer les notes</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewGlossaryFrame1</name>
    <message>
        <source>Glossary</source>
        <translation>Glossaire</translation>
    </message>
    <message>
        <source>Search for a term:</source>
        <translation>Rechercher un terme :</translation>
    </message>
    <message>
        <source>Glossary terms</source>
        <translation>Termes du glossaire</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Close Glossary</source>
        <translation>Fermer le glossaire</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Chapter %1, page(s) %2</source>
        <translation>Chapitre %1, page(s) %2</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewHost</name>
    <message>
        <source>Cover of the book</source>
        <translation>Couverture du livre</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewScoreFrame</name>
    <message>
        <source>Saved Scores</source>
        <translation>Scores enregistrés</translation>
    </message>
    <message>
        <source>There are no saved score to view.</source>
        <translation>Il n’y a aucun score enregistré à afficher.</translation>
    </message>
    <message>
        <source>Chart of the chosen score by chapter</source>
        <translation>Graphique du score choisi par chapitre</translation>
    </message>
    <message>
        <source>Chapter %1: %2%</source>
        <translation>Chapitre %1 : %2 %</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
</context>
<context>
    <name>quillara::gui::TViewTopicFrame1</name>
    <message>
        <source>Topic page</source>
        <translation>Page du sujet</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unable to load the specified files, please make sure the software was installed properly</source>
        <translation>Impossible de charger les fichiers indiqués ; veuillez vérifier que le logiciel a été correctement installé</translation>
    </message>
</context>
</TS>
