#include "desktop/IniUserDefaults.h"

#include <QMetaType>
#include <QSettings>
#include <QVariant>
#include <QtDebug>

namespace clefmark {

namespace {

    QString qKey(const std::string& key)
    {
        return QString::fromStdString(key);
    }

} // namespace

bool settingAsInteger(const QVariant& value, int& result)
{
    // A bool converts to 0 or 1 silently in QVariant; a key holding one is
    // not a number the user meant.
    if (value.typeId() == QMetaType::Bool)
        return false;
    bool ok = false;
    const int parsed = value.toString().trimmed().toInt(&ok, 10);
    if (ok)
        result = parsed;
    return ok;
}

bool settingAsBool(const QVariant& value, bool& result)
{
    if (value.typeId() == QMetaType::Bool) {
        result = value.toBool();
        return true;
    }
    // QVariant("no").toBool() is true: every non-empty string but "0" and
    // "false" is. Only words that clearly say yes or no are taken.
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"yes" || text == u"on" || text == u"1") {
        result = true;
        return true;
    }
    if (text == u"false" || text == u"no" || text == u"off" || text == u"0") {
        result = false;
        return true;
    }
    return false;
}

QSettingsUserDefaults::QSettingsUserDefaults()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
        QStringLiteral("Clefmark"), QStringLiteral("Clefmark")))
{
    reportUnreadable();
}

QSettingsUserDefaults::QSettingsUserDefaults(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
    reportUnreadable();
}

QSettingsUserDefaults::~QSettingsUserDefaults() = default;

QString QSettingsUserDefaults::fileName() const
{
    return settings_->fileName();
}

void QSettingsUserDefaults::reportUnreadable() const
{
    if (settings_->status() == QSettings::FormatError)
        qWarning().noquote() << "Clefmark: the settings file" << fileName()
                             << "is not a readable INI file; using the default settings";
}

bool QSettingsUserDefaults::hasValue(const std::string& key) const
{
    return settings_->contains(qKey(key));
}

void QSettingsUserDefaults::registerInteger(const std::string& key, int value)
{
    registeredIntegers_[key] = value;
}

void QSettingsUserDefaults::registerBool(const std::string& key, bool value)
{
    registeredBools_[key] = value;
}

int QSettingsUserDefaults::integerForKey(const std::string& key) const
{
    const auto registered = registeredIntegers_.find(key);
    const int fallback = registered != registeredIntegers_.end() ? registered->second : 0;
    const QVariant stored = settings_->value(qKey(key));
    if (!stored.isValid())
        return fallback;
    int value = 0;
    if (settingAsInteger(stored, value))
        return value;
    qWarning().noquote() << "Clefmark: ignoring" << qKey(key) << "=" << stored.toString() << "in"
                         << fileName() << "(not a whole number); using" << fallback;
    return fallback;
}

bool QSettingsUserDefaults::boolForKey(const std::string& key) const
{
    const auto registered = registeredBools_.find(key);
    const bool fallback = registered != registeredBools_.end() && registered->second;
    const QVariant stored = settings_->value(qKey(key));
    if (!stored.isValid())
        return fallback;
    bool value = false;
    if (settingAsBool(stored, value))
        return value;
    qWarning().noquote() << "Clefmark: ignoring" << qKey(key) << "=" << stored.toString() << "in"
                         << fileName() << "(not true or false); using"
                         << (fallback ? "true" : "false");
    return fallback;
}

void QSettingsUserDefaults::setInteger(const std::string& key, int value)
{
    write(key, value);
}

void QSettingsUserDefaults::setBool(const std::string& key, bool value)
{
    write(key, value);
}

void QSettingsUserDefaults::write(const std::string& key, const QVariant& value)
{
    settings_->setValue(qKey(key), value);
    // Settings are written at termination, after which nothing else would
    // flush them; and a failure must be told, not lost.
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        qWarning().noquote() << "Clefmark: could not save the settings to" << fileName()
                             << (settings_->status() == QSettings::AccessError
                                        ? "(cannot write there)"
                                        : "(the file is not a readable INI file)");
}

} // namespace clefmark
