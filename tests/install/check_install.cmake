# Installs into a scratch DESTDIR with prefix /usr and checks the tree.
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)

file(REMOVE_RECURSE ${DESTDIR})
run(${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
set(usr ${DESTDIR}/usr)
set(id org.quillara.Quillara)

set(expected
    bin/quillara
    bin/quillara-book
    share/quillara/books/demo/BOOK.DEF
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg
    share/man/man1/quillara.1
    share/man/man1/quillara-book.1)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${usr}/${file})
        message(FATAL_ERROR "not installed: /usr/${file}")
    endif()
endforeach()

# Nothing of the build's own helpers, tests or benchmarks reaches the tree.
file(GLOB programs RELATIVE ${usr}/bin ${usr}/bin/*)
expect_equal("${programs}" "quillara;quillara-book" "programs in /usr/bin")

run(desktop-file-validate ${usr}/share/applications/${id}.desktop)
run(appstreamcli validate --no-net ${usr}/share/metainfo/${id}.metainfo.xml)
file(READ ${usr}/share/metainfo/${id}.metainfo.xml metainfo)
expect_contains("${metainfo}" "<release version=\"${VERSION}\"" "metainfo")

# The manual pages format without a warning.
foreach(page quillara quillara-book)
    run(groff -man -ww -z ${usr}/share/man/man1/${page}.1)
endforeach()

run(${usr}/bin/quillara-book check ${usr}/share/quillara/books/demo)
run(${usr}/bin/quillara --version)
expect_equal("${out}" "quillara ${VERSION}\n" "quillara --version")
