#include "MediaTypes.h"
#include "Preferences.h"
#include "ScriptedPrompter.h"
#include "SettingsStore.h"
#include "frmAbout.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void preferencesReadTheStoreWithItsDefaults()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("Kestrove.ini")));
        settings.save(SettingKey::DeleteConfirm, QStringLiteral("0"));
        ScriptedPrompter prompter;
        MediaTypes types;
        Preferences window(settings, prompter, types, true);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrove Setup"));
        auto box = [&window](const char *name) { return window.findChild<QCheckBox *>(QLatin1String(name)); };
        QVERIFY(box("ResizeFilepanel0")->isChecked());
        QVERIFY(!box("ResizeFilepanel1")->isChecked());
        QVERIFY(box("Check1")->isChecked());
        QVERIFY(box("Delete")->isChecked());
        QVERIFY(!box("Check2")->isChecked());
        QVERIFY(box("Check3")->isChecked());
        QCOMPARE(box("Check2")->text(), QStringLiteral("Confirmation when deleting files from filelist."));
    }

    void closeSavesAndTheCloseBoxDoesNot_data()
    {
        QTest::addColumn<bool>("viaClose");
        QTest::newRow("Close") << true;
        QTest::newRow("close box") << false;
    }
    void closeSavesAndTheCloseBoxDoesNot()
    {
        QFETCH(bool, viaClose);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Kestrove.ini"));
        SettingsStore settings(path);
        ScriptedPrompter prompter;
        MediaTypes types;
        Preferences window(settings, prompter, types, false);
        window.show();
        window.findChild<QCheckBox *>(QStringLiteral("ResizeFilepanel1"))->setChecked(true);
        window.findChild<QCheckBox *>(QStringLiteral("Check3"))->setChecked(true);
        if (viaClose)
            window.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        else
            window.close();
        QVERIFY(!window.isVisible());
        SettingsStore stored(path);
        QCOMPARE(
            stored.GetSetting(QStringLiteral("General"), QStringLiteral("VideoFlySize"), QStringLiteral("-")),
            viaClose ? QStringLiteral("1") : QStringLiteral("-"));
        QCOMPARE(
            stored.GetSetting(QStringLiteral("General"), QStringLiteral("showallfiles"), QStringLiteral("-")),
            viaClose ? QStringLiteral("1") : QStringLiteral("-"));
        QCOMPARE(
            stored.GetSetting(QStringLiteral("General"), QStringLiteral("FileFlySize"), QStringLiteral("-")),
            viaClose ? QStringLiteral("1") : QStringLiteral("-"));
    }

    void supportedTypesText()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("Kestrove.ini")));
        ScriptedPrompter prompter;
        MediaTypes types;
        Preferences window(settings, prompter, types, false);
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(prompter.questions().size(), 1);
        const QString text = prompter.questions().first().text;
        QVERIFY(text.startsWith(QStringLiteral(".wav , .voc , .mp3 , ")));
        QVERIFY(text.endsWith(
            QStringLiteral(".cur , .ico\nif the correct MCI or Video-Driver is installed !\n")));
        QCOMPARE(prompter.questions().first().icon, Prompter::Icon::Information);
    }

    void aboutWindow()
    {
        ScriptedPrompter prompter;
        frmAbout about(QStringLiteral("Kestrove V.3.0.25"), prompter);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Kestrove V.3.0.25"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("Kestrove V.3.0.25"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("FREEWARE"));
        QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->text(),
                 QStringLiteral("&System Info..."));

        // With no system-information program on PATH the button says so.
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        qputenv("PATH", path);
        QCOMPARE(prompter.questions().size(), 1);
        QCOMPARE(prompter.questions().first().text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(prompter.questions().first().icon, Prompter::Icon::None);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
