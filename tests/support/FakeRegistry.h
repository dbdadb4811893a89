#pragma once

#include "platform/Registry.h"

#include <QMap>
#include <QStringList>

// A registry holding the values a test puts in, recording every value read as "key\value name".
class FakeRegistry final : public Registry
{
public:
    QMap<QString, QString> values; // "key\value name" -> value, under LocalMachine
    QStringList reads;

    static QString path(const QString& keyName, const QString& valueName)
    {
        return keyName + QLatin1Char('\\') + valueName;
    }
    void set(const QString& keyName, const QString& valueName, const QString& value)
    {
        values.insert(path(keyName, valueName), value);
    }
    std::optional<QString> value(quint32 root, const QString& keyName, const QString& valueName) override
    {
        reads << path(keyName, valueName);
        const auto found = values.constFind(path(keyName, valueName));
        if (root != LocalMachine || found == values.constEnd()) {
            return std::nullopt;
        }
        return *found;
    }
};
