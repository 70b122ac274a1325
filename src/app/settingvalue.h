// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <utility>

// One typed value of the user profile, QSettings("QUARNIX", "playlist"), under a key
// such as "FIRST/RUN". A read falls back to the default when the value is absent or
// unusable. Each access opens the profile afresh, so it always sees the last write.
template <typename T> class SettingValue final
{
public:
    explicit SettingValue(QString key, T fallback = T())
        : m_key(std::move(key)), m_fallback(std::move(fallback))
    {
    }

    T get() const
    {
        const QVariant value = QSettings(organization(), application()).value(m_key);
        if (!value.isValid() || !value.canConvert<T>())
            return m_fallback;
        return value.value<T>();
    }
    void set(const T& value) const
    {
        QSettings(organization(), application()).setValue(m_key, QVariant::fromValue(value));
    }
    bool exists() const { return QSettings(organization(), application()).contains(m_key); }
    void remove() const { QSettings(organization(), application()).remove(m_key); }
    const QString& key() const { return m_key; }

    static QString organization() { return QStringLiteral("QUARNIX"); }
    static QString application() { return QStringLiteral("playlist"); }

private:
    QString m_key;
    T m_fallback;
};
