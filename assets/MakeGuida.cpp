// Writes the user guide "Guida.pdf" that the help screens open: the guide's text
// (assets/guida/Guida.html) with the screen pictures it shows (docs/pictures/), both built into
// this program, laid out as an A4 document.
#include "report/ReportRenderer.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

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
    QFile source(QStringLiteral(":/guida/Guida.html"));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-guida: testo della guida mancante\n");
        return 3;
    }
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    doc.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 26pt; color: #1E3A5F; }"
                                            "h2 { font-size: 15pt; color: #1E3A5F; margin-top: 18px; }"
                                            "h3 { font-size: 12pt; color: #5D85A6; }"
                                            "p, li { line-height: 125%; }"));
    // The pictures, under the names the text uses: "pictures/NAME.png".
    QDirIterator pictures(QStringLiteral(":/pictures"));
    while (pictures.hasNext()) {
        const QString path = pictures.next();
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pictures/") + pictures.fileName()),
                        QImage(path));
    }
    doc.setHtml(QString::fromUtf8(source.readAll()));

    // No page margins: printing the document adds its own of 2 cm on each side.
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    ReportRenderer::prepareArchivalPdf(pdf, QStringLiteral("Guida all'utilizzo di Cantilog"));
    ReportRenderer::stampArchivalPdf(pdf);
    doc.print(&pdf);
    return 0;
}
