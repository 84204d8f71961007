// Writes the user guide "Guida.pdf" that the help screens open: the overview help topic laid
// out as a short A4 document.
#include "foundation/Text.h"
#include "shell/HelpTexts.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: make-guida FILE.pdf\n");
        return 2;
    }
    QString html = QStringLiteral("<h1>Cantilog</h1><h2>%1</h2>")
                       .arg(QString::fromUtf8(HelpTexts::kOverviewTitle).toHtmlEscaped());
    for (const QString &paragraph : HelpTexts::overview().split(QStringLiteral("\r\n\r\n")))
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());

    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(QStringLiteral("Guida all'utilizzo di Cantilog"));
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    doc.setHtml(html);
    doc.print(&pdf);
    return 0;
}
