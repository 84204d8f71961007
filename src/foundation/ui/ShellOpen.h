#pragma once

#include <QString>

// The one routine that hands a document, a folder file, a web address or a mail link to the
// desktop. Callers pass a path wrapped in double quotes, a web address or a "mailto:" link.
class TMisc {
public:
    static void Open(const QString &target);
    // The URL handed to the desktop: surrounding quotes removed, a path made a file URL.
    static QString toUrl(const QString &target);
};
