// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "browse/FolderNavigator.h"
#include "core/Settings.h"
#include "platform/SettingsStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>

Session::Session()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("media/sub folder"));
    for (const char *name :
         {"media/a b.mp3", "media/B.wav", "media/b.wav", "media/readme.txt", "media/sub folder/c.mp3"})
        writeBytes(m_dir.filePath(QLatin1String(name)), "x");
}

Session::~Session() = default;

QString Session::media(const QString &name) const
{
    return m_dir.filePath(QStringLiteral("media/")) + name;
}

QString Session::dataFile(const char *name) const
{
    return m_dir.filePath(QStringLiteral("data/")) + QLatin1String(name);
}

QString Session::iniPath() const
{
    return m_dir.filePath(QStringLiteral("Kestrove.ini"));
}

void Session::preset(const QString &key, const QString &value, const QString &section)
{
    SettingsStore store(iniPath());
    store.setValue(section, key, value);
    store.sync();
}

QString Session::stored(const QString &key, const QString &section) const
{
    return SettingsStore(iniPath()).value(section, key, QStringLiteral("<absent>"));
}

MainWindow &Session::start(const QString &commandLine, bool anotherInstance, bool closeDuringStartUp,
                           StartupReads *reads)
{
    m_store = std::make_unique<SettingsStore>(iniPath());
    m_settings = std::make_unique<Settings>(*m_store);
    const AppServices services{
        m_settings.get(), &prompter, &icons, &trash, &player, m_dir.filePath(QStringLiteral("data")), [this] {
            auto made = std::make_unique<FakePlayer>();
            secondPlayer = made.get();
            return made;
        }};
    window = std::make_unique<MainWindow>(services, StartOptions{commandLine, anotherInstance, reads});
    // A start-up closes during start-up only while a question it asks is up.
    if (closeDuringStartUp)
        prompter.setWhileAsked([this] { window->close(); });
    loaded = window->load();
    prompter.setWhileAsked({});
    settle();
    return *window;
}

void Session::settle() const
{
    if (const auto *navigator = window ? window->findChild<FolderNavigator *>() : nullptr)
        QVERIFY(QTest::qWaitFor([navigator] { return !navigator->isListing(); }, 10000));
}

void Session::close()
{
    window->close();
    m_store->sync();
}
