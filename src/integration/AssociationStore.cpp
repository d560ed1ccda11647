// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/AssociationStore.h"

#include "platform/NativePath.h"
#include "platform/RegularFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <limits>
#include <utility>

namespace {

constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

QString numberText(const QByteArray &data)
{
    if (data.size() != 4)
        return {};
    const auto byte = [&data](int i) { return quint32(quint8(data.at(i))); };
    const quint32 number = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace

AssociationStore::AssociationStore(const QString &filePath) : m_filePath(filePath)
{
    load();
}

QString AssociationStore::normalised(const QString &key)
{
    QStringList steps = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (QString &step : steps)
        step = step.toLower();
    return steps.join(QLatin1Char('\\'));
}

bool AssociationStore::hasKey(const QString &key) const
{
    return m_keys.contains(normalised(key));
}

QString AssociationStore::value(const QString &key, const QString &name) const
{
    const auto found = m_keys.constFind(normalised(key));
    if (found == m_keys.constEnd())
        return {};
    const auto value = found->values.constFind(name.toLower());
    if (value == found->values.constEnd())
        return {};
    switch (value->type) {
    case Number:
        return numberText(value->data);
    case Bytes:
        return QString::fromLatin1(value->data.toHex().toUpper());
    default:
        return QString::fromUtf8(value->data);
    }
}

AssociationStore::Key &AssociationStore::createKey(const QString &key)
{
    const QStringList steps = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QString path;
    QString normalisedPath;
    for (const QString &step : steps) {
        path += (path.isEmpty() ? QString() : QStringLiteral("\\")) + step;
        normalisedPath += (normalisedPath.isEmpty() ? QString() : QStringLiteral("\\")) + step.toLower();
        if (!m_keys.contains(normalisedPath))
            m_keys.insert(normalisedPath, Key{path, {}});
    }
    return m_keys[normalisedPath];
}

int AssociationStore::store(const QString &key, const QString &name, int type, const QByteArray &data)
{
    if (normalised(key).isEmpty())
        return 1;
    const QMap<QString, Key> before = m_keys;
    createKey(key).values.insert(name.toLower(), Value{name, type, data});
    return kept(before);
}

int AssociationStore::setValue(const QString &key, const QString &name, int type, const QString &value)
{
    if (type == Text)
        return store(key, name, type, value.toUtf8());
    if (type == Number) {
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        if (!ok || number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<quint32>::max())
            return 1;
        const auto bits = quint32(number);
        QByteArray data(4, '\0');
        for (int i = 0; i < 4; ++i)
            data[i] = char((bits >> (8 * i)) & 0xff);
        return store(key, name, type, data);
    }
    return 0;
}

int AssociationStore::setBytes(const QString &key, const QString &name, const QByteArray &bytes)
{
    return store(key, name, Bytes, bytes);
}

int AssociationStore::deleteKey(const QString &key)
{
    const QString path = normalised(key);
    if (path.isEmpty() || !m_keys.contains(path))
        return 2;
    const QString below = path + QLatin1Char('\\');
    const auto next = m_keys.lowerBound(below);
    if (next != m_keys.end() && next.key().startsWith(below))
        return 5;
    const QMap<QString, Key> before = m_keys;
    m_keys.remove(path);
    return kept(before);
}

int AssociationStore::kept(const QMap<QString, Key> &before)
{
    if (save())
        return 0;
    // What the file does not hold, the store does not hold either.
    m_keys = before;
    return 1;
}

QString AssociationStore::takeNotice()
{
    if (m_file == File::Unread)
        return tr("The associations in %1 were not read: %2. The file is left as it is.")
            .arg(NativePath::forDisplay(m_filePath), m_loadProblem);
    return std::exchange(m_notice, QString());
}

bool AssociationStore::save()
{
    if (m_file == File::Unread)
        return false;
    QJsonArray keys;
    for (const Key &key : std::as_const(m_keys)) {
        QJsonArray values;
        for (const Value &value : key.values) {
            values.append(QJsonObject{{QStringLiteral("name"), value.name},
                                      {QStringLiteral("type"), value.type},
                                      {QStringLiteral("data"), QString::fromLatin1(value.data.toBase64())}});
        }
        keys.append(QJsonObject{{QStringLiteral("key"), key.path}, {QStringLiteral("values"), values}});
    }
    const QByteArray text = QJsonDocument(QJsonObject{{QStringLiteral("keys"), keys}}).toJson();
    QSaveFile file(m_filePath);
    const auto notWritten = [this, &file] {
        m_notice = tr("The associations could not be written to %1: %2.")
                       .arg(NativePath::forDisplay(m_filePath), file.errorString());
        return false;
    };
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return notWritten();
    // A damaged file is set aside before the new one takes its name; one that cannot be set aside
    // keeps its place, and the new file is not written.
    if (m_file == File::Damaged && !setAsideDamaged())
        return false;
    if (!file.commit())
        return notWritten();
    if (m_file == File::Damaged) {
        m_file = File::Usable;
        m_damaged = QByteArray();
        m_notice = tr("The associations in %1 could not be read: %2. The damaged file is kept as %3 and a "
                      "new one was written.")
                       .arg(NativePath::forDisplay(m_filePath), m_loadProblem,
                            NativePath::forDisplay(damagedPath()));
    }
    return true;
}

bool AssociationStore::setAsideDamaged()
{
    QSaveFile aside(damagedPath());
    if (aside.open(QIODevice::WriteOnly) && aside.write(m_damaged) == m_damaged.size() && aside.commit())
        return true;
    m_notice = tr("The damaged associations in %1 could not be kept as %2: %3. The file is left as it is.")
                   .arg(NativePath::forDisplay(m_filePath), NativePath::forDisplay(damagedPath()),
                        aside.errorString());
    return false;
}

void AssociationStore::load()
{
    RegularFile::Contents file = RegularFile::read(m_filePath, MaxFileBytes);
    if (file.status == RegularFile::Contents::Status::Missing)
        return;
    if (file.status == RegularFile::Contents::Status::Refused) {
        m_file = File::Unread;
        m_loadProblem = file.problem;
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        m_file = File::Damaged;
        m_loadProblem =
            error.error != QJsonParseError::NoError ? error.errorString() : tr("it holds no keys");
        m_damaged = std::move(file.bytes);
        return;
    }
    // What a hand-edited file holds that does not make sense is left out, entry by entry.
    for (const QJsonValue &entry : document.object().value(QStringLiteral("keys")).toArray()) {
        const QString path = entry.toObject().value(QStringLiteral("key")).toString();
        if (normalised(path).isEmpty())
            continue;
        Key &key = createKey(path);
        for (const QJsonValue &item : entry.toObject().value(QStringLiteral("values")).toArray()) {
            const QJsonObject value = item.toObject();
            const int type = value.value(QStringLiteral("type")).toInt(Text);
            const QByteArray data =
                QByteArray::fromBase64(value.value(QStringLiteral("data")).toString().toLatin1());
            if ((type == Text || type == Bytes || (type == Number && data.size() == 4)))
                key.values.insert(value.value(QStringLiteral("name")).toString().toLower(),
                                  Value{value.value(QStringLiteral("name")).toString(), type, data});
        }
    }
}
