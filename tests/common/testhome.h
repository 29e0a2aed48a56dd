// A private home for one test: APPDATA, PROGRAMFILES, HOME and the XDG folders all
// point into a temporary folder, so nothing of the developer's own files is touched.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

class TestHome
{
public:
    TestHome()
    {
        root = dir.path();
        qputenv("HOME", root.toUtf8());
        qputenv("APPDATA", (root + "/appdata").toUtf8());
        qputenv("PROGRAMFILES", (root + "/programs").toUtf8());
        qputenv("XDG_DATA_HOME", (root + "/appdata").toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
        qputenv("XDG_DOCUMENTS_DIR", (root + "/Documents").toUtf8());
        qputenv("XDG_RUNTIME_DIR", (root + "/run").toUtf8());
        QDir().mkpath(root + "/run");
        QFile::setPermissions(root + "/run", QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner);
    }
    QString path(const QString &relative) const { return root + u'/' + relative; }

    QTemporaryDir dir;
    QString root;
};
