#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test; set as the program folder while it lives.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString path() const; // with trailing separator
    QString file(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
