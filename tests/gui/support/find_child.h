#pragma once

#include <QWidget>

namespace quillara::testing {

// The child of the given object name, as the windows name their controls; nullptr when none.
template <typename T = QWidget> T* In(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace quillara::testing
