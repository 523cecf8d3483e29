# A Debian package made from the install rules: cmake --build --preset default --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillara)
set(CPACK_PACKAGE_VENDOR "Quillara")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Study companion for one textbook at a time")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillara opens a book published with a textbook: its topic pages, glossary and question\n"
    "banks. The student reads, looks terms up, takes quizzes and tests over chosen chapters and\n"
    "keeps a score history. The book author's tool quillara-book and a demo book come with it.")
set(CPACK_PACKAGE_CONTACT "Quillara developers <quillara@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillara.example.org/")
# The platform plugins are a package of their own: without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, libjpeg62-turbo (>= 1:2.1), libxml2 (>= 2.9), libsqlite3-0 (>= 3.31)")
# Qt's own translations, so that standard buttons speak the student's language as the rest does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
