# Builds the Debian package from the install rules once and checks what it holds and declares.
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)

file(REMOVE_RECURSE ${OUT_DIR})
run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR})
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
expect_equal("${count}" "1" "packages made")
get_filename_component(name ${debs} NAME)
expect_contains("${name}" "quillara_${VERSION}_" "package file name")

run(dpkg-deb --info ${debs})
set(info "${out}")
expect_contains("${info}" "Package: quillara\n" "control")
expect_contains("${info}" "Version: ${VERSION}\n" "control")
expect_contains("${info}" "Section: education\n" "control")
expect_contains("${info}" "\n  banks. The student reads" "Description")
foreach(dependency libqt6widgets6 qt6-qpa-plugins libjpeg62-turbo libxml2 libsqlite3-0)
    expect_contains("${info}" " ${dependency}" "Depends")
endforeach()
expect_contains("${info}" "Recommends: qt6-translations-l10n" "Recommends")

run(dpkg-deb --contents ${debs})
set(contents "${out}")
foreach(path
        ./usr/bin/quillara
        ./usr/bin/quillara-book
        ./usr/share/quillara/books/demo/BOOK.DEF
        ./usr/share/applications/org.quillara.Quillara.desktop
        ./usr/share/metainfo/org.quillara.Quillara.metainfo.xml
        ./usr/share/icons/hicolor/48x48/apps/org.quillara.Quillara.png
        ./usr/share/icons/hicolor/scalable/apps/org.quillara.Quillara.svg
        ./usr/share/man/man1/quillara-book.1)
    expect_contains("${contents}" " ${path}\n" "package contents")
endforeach()
# Installed programs belong to root and are executable by everyone.
string(REGEX MATCH "[-rwx]+ root/root +[0-9]+ [-0-9: ]+\\./usr/bin/quillara\n" line "${contents}")
expect_contains("${line}" "-rwxr-xr-x root/root" "/usr/bin/quillara")
