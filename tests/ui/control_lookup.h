#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tagforge::test {

// The one object of type T named `objectName` below `root`; the test stops with the name when
// there is none or more than one, so a renamed or duplicated control is reported as such.
template <class T>
T* control(const QObject& root, const char* objectName) {
    const QList<T*> found = root.findChildren<T*>(QString::fromLatin1(objectName));
    if (found.size() != 1) {
        qFatal("%s: %lld objects of type %s named \"%s\", expected exactly one",
               qPrintable(root.objectName()), static_cast<long long>(found.size()),
               T::staticMetaObject.className(), objectName);
    }
    return found.front();
}

}  // namespace tagforge::test
