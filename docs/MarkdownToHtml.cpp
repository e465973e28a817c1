// Turns the manual's Markdown into a stand-alone HTML page at build time, with
// the same Markdown reading as the help panel, so that both say the same.
//
// usage: clefmark-markdown-html TITLE INPUT.md OUTPUT.html

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv)
{
    // Fonts and the document need a GUI application, but a build has no
    // display to show anything on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor a session: Qt's notes about what it lacks would only clutter the
    // build's log. This tool reports its own failures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: clefmark-markdown-html TITLE INPUT.md OUTPUT.html\n", stderr);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[2]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(
            stderr, "clefmark-markdown-html: %s: %s\n", argv[2], qPrintable(input.errorString()));
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(input.readAll()));
    document.setMetaInformation(QTextDocument::DocumentTitle, QString::fromLocal8Bit(argv[1]));

    // The build machine's font is no good to a reader's browser: the page
    // takes the browser's own, in lines short enough to read.
    QString html = document.toHtml();
    html.replace(
        QRegularExpression(QStringLiteral("<body style=\"[^\"]*\">")), QStringLiteral("<body>"));
    html.replace(QStringLiteral("</style>"),
        QStringLiteral(
            "body { font-family: sans-serif; max-width: 42em; margin: 2em auto; "
            "padding: 0 1em; line-height: 1.4; }\nh2, h3 { margin-top: 1em !important; }\n"
            "</style>"));

    QFile output(QString::fromLocal8Bit(argv[3]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(html.toUtf8()) < 0
        || !output.flush()) {
        std::fprintf(
            stderr, "clefmark-markdown-html: %s: %s\n", argv[3], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
