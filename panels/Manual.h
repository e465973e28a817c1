// The manual: its Markdown text, shown in the help panel, and the HTML copy
// installed with the documentation, which the help button opens when the
// build names no web site.
#pragma once

#include <QString>
#include <QUrl>

namespace clefmark {

/// The host of the project's web site this build was made for; empty when
/// it names none.
QString builtWebHost();

/// The manual's Markdown text (the resource "manual.md"), or an empty
/// string, with `error` set, when it cannot be read.
QString manualMarkdown(QString* error = nullptr);

/// The HTML manual: the build tree's copy among the resources, else the
/// installed one in the documentation folder; empty when there is none.
QString manualHtmlPath();

/// What the help panel's button says and opens.
struct HelpButton {
    QString text;
    QString toolTip;
    /// Empty when there is nothing to open.
    QUrl target;
};

/// The button for a build with web site `host` (the web help page) or none
/// (the HTML manual at `manualPath`, when there is one).
HelpButton helpButtonFor(const QString& host, const QString& manualPath);

} // namespace clefmark
