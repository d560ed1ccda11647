// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MediaTypes.h"
#include "core/Settings.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a preferences window works with, over a settings file of the test's own.
struct Profile
{
    QString path() const { return dir.filePath(QStringLiteral("Kestrove.ini")); }

    QTemporaryDir dir;
    SettingsStore store{path()};
    Settings settings{store};
    ScriptedPrompter prompter;
    MediaTypes types;
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void preferencesReadTheStoreWithItsDefaults()
    {
        Profile profile;
        profile.settings.confirmDelete.set(false);
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, true);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrove Setup"));
        auto box = [&window](const char *name) { return window.findChild<QCheckBox *>(QLatin1String(name)); };
        QVERIFY(box("liveResizeLists")->isChecked());
        QVERIFY(!box("liveResizePlayer")->isChecked());
        QVERIFY(box("minimiseForEditList")->isChecked());
        QVERIFY(box("deleteToTrash")->isChecked());
        QVERIFY(!box("confirmDelete")->isChecked());
        QVERIFY(box("showAllFiles")->isChecked());
        QVERIFY(box("fitViewer")->isChecked());
        QCOMPARE(box("fitViewer")->text(), QStringLiteral("Fit large pictures to the screen"));
        QCOMPARE(box("confirmDelete")->text(),
                 QStringLiteral("Confirmation when deleting files from filelist."));
    }

    void preferencesRunTheAssociation()
    {
        Profile profile;
        QStringList removedFrom;
        // What the store has to tell after making: once, and nothing after removing.
        QStringList notices{QStringLiteral("The damaged file is kept aside.")};
        const PreferencesDialog::AssociationCommands commands{
            [] { return QStringList{".mp3 - OK!"}; },
            [](QStringList &lines) {
                lines = QStringList{".mp3", ".avi", "Folder"};
                return true;
            },
            [&removedFrom](QStringList &lines) {
                removedFrom = lines;
                lines = QStringList{".avi - ERROR, Unable to remove"};
            },
            [&notices] { return notices.isEmpty() ? QString() : notices.takeFirst(); }};
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, false, commands);
        auto *list = window.findChild<QListWidget *>(QStringLiteral("associationList"));
        const auto shown = [list] {
            QStringList lines;
            for (int row = 0; row < list->count(); ++row)
                lines.append(list->item(row)->text());
            return lines;
        };
        QCOMPARE(shown(), QStringList{".mp3 - OK!"});
        window.findChild<QPushButton *>(QStringLiteral("makeAssociationButton"))->click();
        QTRY_COMPARE(shown(), QStringList({".mp3", ".avi", "Folder"}));
        QCOMPARE(profile.prompter.questions().size(), 2);
        QCOMPARE(profile.prompter.questions().first().text,
                 QStringLiteral("The damaged file is kept aside."));
        QCOMPARE(profile.prompter.questions().first().icon, Prompter::Icon::Exclamation);
        QVERIFY(profile.prompter.questions().last().text.startsWith(
            QStringLiteral("Done.. You may now RightClick")));
        window.findChild<QPushButton *>(QStringLiteral("removeAssociationButton"))->click();
        QTRY_COMPARE(shown(), QStringList{".avi - ERROR, Unable to remove"});
        QCOMPARE(removedFrom, QStringList({".mp3", ".avi", "Folder"}));
        QCOMPARE(profile.prompter.questions().size(), 3);
        QCOMPARE(profile.prompter.questions().last().text, QStringLiteral("Done ! :o("));
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("associationFrame"))->isVisibleTo(&window));

        PreferencesDialog without(profile.settings, profile.prompter, profile.types, false);
        QVERIFY(!without.findChild<QPushButton *>(QStringLiteral("makeAssociationButton"))->isEnabled());
    }

    void anAssociationThatWasNotMadeIsToldAsFailed()
    {
        Profile profile;
        const PreferencesDialog::AssociationCommands commands{
            [] { return QStringList(); },
            [](QStringList &lines) {
                lines = QStringList{".mp3", "Folder - ERORR!!"};
                return false;
            },
            [](QStringList &) {},
            {}};
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, false, commands);
        window.findChild<QPushButton *>(QStringLiteral("makeAssociationButton"))->click();
        QTRY_COMPARE(profile.prompter.questions().size(), 1);
        QCOMPARE(
            profile.prompter.questions().last().text,
            QStringLiteral("The association was not made: the desktop entry that lets file managers offer "
                           "Browse with Kestrove could not be written."));
        QCOMPARE(profile.prompter.questions().last().icon, Prompter::Icon::Critical);
        auto *list = window.findChild<QListWidget *>(QStringLiteral("associationList"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Folder - ERORR!!"));
    }

    void theWindowClosesOnlyOnceTheAssociationIsWritten()
    {
        Profile profile;
        QSemaphore writing;
        const auto unblock = qScopeGuard([&writing] { writing.release(); });
        const PreferencesDialog::AssociationCommands commands{[] { return QStringList{".mp3 - OK!"}; },
                                                              [&writing](QStringList &lines) {
                                                                  writing.acquire();
                                                                  lines = QStringList{"Folder"};
                                                                  return true;
                                                              },
                                                              [](QStringList &) {},
                                                              {}};
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, false, commands);
        window.show();
        window.findChild<QPushButton *>(QStringLiteral("makeAssociationButton"))->click();
        // The click returned while the association is written: the window shows only the line
        // asking to wait, and the close box waits for the work to end.
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("updatingLabel"))->isVisible());
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("closeButton"))->isVisible());
        window.close();
        QVERIFY(window.isVisible());
        QVERIFY(profile.prompter.questions().isEmpty());
        writing.release();
        QTRY_VERIFY(!window.isVisible());
        auto *list = window.findChild<QListWidget *>(QStringLiteral("associationList"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Folder"));
        QVERIFY(profile.prompter.questions().last().text.startsWith(
            QStringLiteral("Done.. You may now RightClick")));
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("closeButton"))->isVisibleTo(&window));
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
        Profile profile;
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, false);
        window.show();
        window.findChild<QCheckBox *>(QStringLiteral("liveResizePlayer"))->setChecked(true);
        window.findChild<QCheckBox *>(QStringLiteral("showAllFiles"))->setChecked(true);
        window.findChild<QCheckBox *>(QStringLiteral("fitViewer"))->setChecked(false);
        QVERIFY(!window.findChild<QCheckBox *>(QStringLiteral("showThumbnails"))->isChecked());
        window.findChild<QCheckBox *>(QStringLiteral("showThumbnails"))->setChecked(true);
        window.findChild<QComboBox *>(QStringLiteral("thumbnailSize"))->setCurrentIndex(1);
        if (viaClose)
            window.findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
        else
            window.close();
        QVERIFY(!window.isVisible());
        SettingsStore stored(profile.path());
        const QList<std::pair<const char *, const char *>> saved = {
            {"VideoFlySize", "1"}, {"showallfiles", "1"}, {"FileFlySize", "1"},
            {"FitViewer", "0"},    {"Thumbnails", "1"},   {"ThumbnailSize", "128"},
        };
        for (const auto &[key, value] : saved)
            QCOMPARE(stored.value(QStringLiteral("General"), QLatin1String(key), QStringLiteral("-")),
                     QLatin1String(viaClose ? value : "-"));
    }

    void supportedTypesText()
    {
        Profile profile;
        PreferencesDialog window(profile.settings, profile.prompter, profile.types, false);
        window.findChild<QPushButton *>(QStringLiteral("supportedTypesButton"))->click();
        QCOMPARE(profile.prompter.questions().size(), 1);
        const QString text = profile.prompter.questions().first().text;
        QVERIFY(text.startsWith(QStringLiteral(".wav , .voc , .mp3 , ")));
        QVERIFY(text.endsWith(
            QStringLiteral(".cur , .ico\nif the correct MCI or Video-Driver is installed !\n")));
        QCOMPARE(profile.prompter.questions().first().icon, Prompter::Icon::Information);
    }

    void systemInformationIsAlwaysOffered_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("found");
        QTest::newRow("none on the path") << QString() << false;
        QTest::newRow("the first looked for") << "hardinfo2" << true;
        QTest::newRow("the last looked for") << "lshw-gtk" << true;
        QTest::newRow("another program") << "sysinfo" << false;
    }
    void systemInformationIsAlwaysOffered()
    {
        QFETCH(QString, program);
        QFETCH(bool, found);
        QTemporaryDir bin;
        if (!program.isEmpty()) {
            QFile fake(bin.filePath(program));
            QVERIFY(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\n");
            fake.close();
            QVERIFY(fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        ScriptedPrompter prompter;
        AboutDialog about(QStringLiteral("Kestrove V.3.0.25"), prompter);
        auto *button = about.findChild<QPushButton *>(QStringLiteral("systemInformationButton"));
        QVERIFY(!button->isHidden());
        button->click();
        qputenv("PATH", path);
        // Without a program to start, the button says so.
        const QStringList said =
            found ? QStringList()
                  : QStringList{QStringLiteral("System Information Is Unavailable At This Time")};
        QStringList texts;
        for (const auto &question : prompter.questions())
            texts.append(question.text);
        QCOMPARE(texts, said);
    }

    void systemInformationWithoutAProgramSaysSo()
    {
        ScriptedPrompter prompter;
        AboutDialog about(QStringLiteral("Kestrove V.3.0.25"), prompter);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Kestrove V.3.0.25"));
        // A program gone since the window opened is said to be unavailable.
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        about.startSystemInformation();
        qputenv("PATH", path);
        QCOMPARE(prompter.questions().size(), 1);
        QCOMPARE(prompter.questions().first().text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(prompter.questions().first().icon, Prompter::Icon::None);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
