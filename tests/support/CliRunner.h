#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs cantilog-cli for a test.
namespace CliRunner {

struct Run {
    int status = -1;
    QString out; // standard output, UTF-8 decoded
    QString err; // standard error
};

// The cantilog-cli program built with the tests.
QString programPath();

// That program run to its end, `input` on its standard input; status -1 when it did not end.
Run program(const QStringList &args, const QByteArray &input = QByteArray());

// The same commands run inside the test, which then links the command objects
// (cantilog_cli_commands): the test's own settings (program folder, today) apply.
Run inProcess(const QStringList &args, const QString &input = QString());

} // namespace CliRunner
