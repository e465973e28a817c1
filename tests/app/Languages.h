// The window's languages for the tests: English, and every translation the
// build compiled (CLEFMARK_TRANSLATIONS_DIR), put in place as the program
// does at start; and what the tests ask of every language's texts.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QSize>
#include <QStringList>
#include <QTextLayout>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>

namespace clefmark::test {

/// "en", then every language with a compiled translation. Fewer than the
/// twelve the program ships fail the test, so that a broken build step
/// cannot pass as English alone.
inline QStringList windowLanguages()
{
    QStringList languages { QStringLiteral("en") };
    const QStringList files = QDir(QStringLiteral(CLEFMARK_TRANSLATIONS_DIR))
                                  .entryList({ QStringLiteral("clefmark_*.qm") }, QDir::Files);
    for (const QString& file : files)
        if (const QString language = file.mid(9, file.size() - 12); language != u"en")
            languages << language;
    EXPECT_GE(languages.size(), 13) << "translations in " CLEFMARK_TRANSLATIONS_DIR;
    return languages;
}

/// While it lives, the program speaks `language`: its translation and Qt's
/// own installed, and the locale's numbers and note names in use. Widgets
/// made before it keep their texts.
class InLanguage {
public:
    explicit InLanguage(const QString& language)
        : previous_(QLocale())
    {
        const QLocale locale(language);
        QLocale::setDefault(locale);
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        // As the program does: English's plural forms beneath the language.
        EXPECT_TRUE(english_.load(
            QStringLiteral("clefmark_en"), QStringLiteral(CLEFMARK_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&english_);
        if (language != u"en") {
            EXPECT_TRUE(ours_.load(locale, QStringLiteral("clefmark"), QStringLiteral("_"),
                QStringLiteral(CLEFMARK_TRANSLATIONS_DIR)))
                << language.toStdString();
            QCoreApplication::installTranslator(&ours_);
        }
    }
    ~InLanguage()
    {
        QCoreApplication::removeTranslator(&ours_);
        QCoreApplication::removeTranslator(&english_);
        QCoreApplication::removeTranslator(&qt_);
        QLocale::setDefault(previous_);
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

private:
    QLocale previous_;
    QTranslator qt_;
    QTranslator english_;
    QTranslator ours_;
};

/// Where two of `texts` (each with one "&" before its letter) give Alt the
/// same letter, which then only cycles between them: "&Open and &Other share
/// o, "; empty when each has its own.
inline QString sharedLetters(const QStringList& texts)
{
    QString shared;
    std::map<QChar, QString> taken;
    for (const QString& text : texts) {
        const qsizetype amp = text.indexOf(u'&');
        if (amp < 0 || amp + 1 >= text.size()) {
            shared += text + QStringLiteral(" has no letter, ");
            continue;
        }
        const QChar letter = text.at(amp + 1).toLower();
        if (const auto [it, fresh] = taken.emplace(letter, text); !fresh)
            shared += QStringLiteral("%1 and %2 share %3, ").arg(text, it->second, letter);
    }
    return shared;
}

/// Whether `text`, wrapped as a label wraps it (between words, or between
/// the characters of a language written without spaces), keeps every line
/// within `box`'s width and all of them within its height, in `font`.
inline bool wrapsWithin(const QString& text, const QFont& font, const QSize& box)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    bool within = true;
    double height = 0.0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        within = within && line.naturalTextWidth() <= box.width();
        height += line.height();
    }
    layout.endLayout();
    return within && height <= box.height() + 0.5;
}

} // namespace clefmark::test
