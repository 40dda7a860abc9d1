#include "inisettingsstore.h"
#include "memorysettingsstore.h"
#include "settingsio.h"
#include "storedkeys.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "romimage.h"

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheTwentyOneKeysInOrder();
    void firstUseValuesSavedAsTheyShouldBe();
    void storedNumbersComeBackAsTheyWere_data();
    void storedNumbersComeBackAsTheyWere();
    void firstUseDecidedByTheMarker_data();
    void firstUseDecidedByTheMarker();
    void checkBoxesUncheckedOnlyByZero_data();
    void checkBoxesUncheckedOnlyByZero();
    void numbersReadInNumberFormAndBroughtIntoRange_data();
    void numbersReadInNumberFormAndBroughtIntoRange();
    void missingKeysOfAStoredStore();
    void textsKeptVerbatim();
    void iniStoreRoundTripsTextValues();
    void iniStoreFollowsXdgConfigHome();
    void iniStoreFlushTellsOnlyARealWriteFailure_data();
    void iniStoreFlushTellsOnlyARealWriteFailure();
};

void SettingsTest::saveWritesTheTwentyOneKeysInOrder() {
    MemorySettingsStore store;
    QVERIFY(saveSettings(store, firstUseSettings()));
    const QStringList expected = {
        "Version", "VGB-DOS", "Video",       "Sound",   "Stereo", "Buttons", "Volume",
        "AutoA",   "AutoB",   "Joypad",      "Ifreq",   "VBlank", "Uperiod", "KeyMap",
        "GIF",     "CRC",     "SilentStart", "NoDelay", "Top",    "Left",    "ColorScheme"};
    QCOMPARE(store.m_writtenKeys, expected);
}

void SettingsTest::firstUseValuesSavedAsTheyShouldBe() {
    MemorySettingsStore store;
    saveSettings(store, firstUseSettings());
    const QMap<QString, QString> expected = {
        {"Version", "262"},
        {"VGB-DOS", "C:\\GAMEBOY\\VGB-DOS.EXE"},
        {"Video", "0 - Video 320x200 Title screen"},
        {"Sound", "1 - Adlib"},
        {"Stereo", QString::fromUtf8("1 - Normal St\xC3\xA9r\xC3\xA9o")},
        {"Buttons", "0 - No Buttons swap"},
        {"Volume", " 10"},
        {"AutoA", "0"},
        {"AutoB", "0"},
        {"Joypad", "0"},
        {"Ifreq", " 60"},
        {"VBlank", "100"},
        {"Uperiod", "2"},
        {"KeyMap", ""},
        {"GIF", "VGB-DOS Default (vgb.gif)"},
        {"CRC", "0"},
        {"SilentStart", "1"},
        {"NoDelay", "0"},
        {"Top", " 100"},
        {"Left", " 100"},
        {"ColorScheme", "0 - Gray ColorScheme"},
    };
    QCOMPARE(store.m_values, expected);
}

// A number read from the store and saved unchanged comes back as it was.
void SettingsTest::storedNumbersComeBackAsTheyWere_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");
    QTest::newRow("whole") << " 1440"
                           << " 1440";
    QTest::newRow("a tenth, no float noise") << " 1440.1"
                                             << " 1440.1";
    QTest::newRow("bare") << "1440.1"
                          << " 1440.1";
    QTest::newRow("negative") << "-20.25"
                              << "-20.25";
    QTest::newRow("large") << " 123456789.7"
                           << " 123456789.7";
}

void SettingsTest::storedNumbersComeBackAsTheyWere() {
    QFETCH(QString, stored);
    QFETCH(QString, written);
    MemorySettingsStore store;
    QVERIFY(saveSettings(store, firstUseSettings()));
    store.m_values["Top"] = stored;
    store.m_values["Left"] = stored;
    MemorySettingsStore again;
    QVERIFY(saveSettings(again, startupSettings(store)));
    QCOMPARE(again.m_values["Top"], written);
    QCOMPARE(again.m_values["Left"], written);
}

void SettingsTest::firstUseDecidedByTheMarker_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("firstUse");
    QTest::newRow("never written") << QString() << true;
    QTest::newRow("older version") << "261" << true;
    QTest::newRow("padded") << " 262" << true;
    QTest::newRow("current") << "262" << false;
}

void SettingsTest::firstUseDecidedByTheMarker() {
    QFETCH(QString, marker);
    QFETCH(bool, firstUse);
    MemorySettingsStore store;
    if (!marker.isNull())
        store.write("Version", marker);
    store.write("VGB-DOS", "/stored/VGB.EXE");
    QCOMPARE(isFirstUse(store), firstUse);
    // A first use ignores every other stored key.
    QCOMPARE(startupSettings(store).emulatorPath,
             firstUse ? QString("C:\\GAMEBOY\\VGB-DOS.EXE") : QString("/stored/VGB.EXE"));
}

void SettingsTest::checkBoxesUncheckedOnlyByZero_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("missing") << QString() << true;
    QTest::newRow("blank zero") << " 0" << true;
    QTest::newRow("other") << "yes" << true;
}

void SettingsTest::checkBoxesUncheckedOnlyByZero() {
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    const QStringList keys = {"AutoA", "AutoB", "Joypad", "CRC", "SilentStart", "NoDelay"};
    for (const QString& key : keys) {
        MemorySettingsStore store;
        store.write("Version", "262");
        for (const QString& other : keys)
            if (other != key)
                store.write(other, "0");
        if (!stored.isNull())
            store.write(key, stored);
        const LauncherSettings s = loadStoredSettings(store);
        const QMap<QString, bool> states = {{"AutoA", s.autoA},
                                            {"AutoB", s.autoB},
                                            {"Joypad", s.joypadOff},
                                            {"CRC", s.noCrc},
                                            {"SilentStart", s.silentStart},
                                            {"NoDelay", s.noDelay}};
        for (const QString& other : keys)
            QVERIFY2(states.value(other) == (other == key ? checked : false), qPrintable(other));
    }
}

void SettingsTest::numbersReadInNumberFormAndBroughtIntoRange_data() {
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("ifreq");
    QTest::addColumn<int>("expectedVolume");
    QTest::addColumn<int>("expectedIfreq");
    QTest::newRow("number form") << " 7"
                                 << " 59" << 7 << 59;
    QTest::newRow("bare") << "7"
                          << "59" << 7 << 59;
    QTest::newRow("missing") << QString() << QString() << 0 << 0;
    QTest::newRow("half to even") << "2.5"
                                  << "60.5" << 2 << 60;
    QTest::newRow("above range") << "99"
                                 << "400" << 15 << 100;
    QTest::newRow("below range") << "-3"
                                 << "-1" << 0 << 0;
    QTest::newRow("beyond 16 bits") << "99999999"
                                    << "70000" << 15 << 100;
}

void SettingsTest::numbersReadInNumberFormAndBroughtIntoRange() {
    QFETCH(QString, volume);
    QFETCH(QString, ifreq);
    MemorySettingsStore store;
    store.write("Version", "262");
    if (!volume.isNull())
        store.write("Volume", volume);
    if (!ifreq.isNull())
        store.write("Ifreq", ifreq);
    const LauncherSettings s = loadStoredSettings(store);
    QTEST(s.volume, "expectedVolume");
    QTEST(s.ifreq, "expectedIfreq");
}

void SettingsTest::missingKeysOfAStoredStore() {
    MemorySettingsStore store;
    store.write("Version", "262");
    const LauncherSettings s = loadStoredSettings(store);
    QVERIFY(s.autoA);
    QCOMPARE(s.volume, 0);
    QCOMPARE(s.top, 0.0);
    QCOMPARE(s.left, 0.0);
    QCOMPARE(s.emulatorPath, QString());
}

void SettingsTest::textsKeptVerbatim() {
    MemorySettingsStore store;
    store.write("Version", "262");
    const QString stereo = QString::fromUtf8("1 - Normal St\xC3\xA9r\xC3\xA9o");
    store.write("Stereo", stereo);
    store.write("VBlank", " ");
    store.write("Top", " 1440");
    store.write("Left", "-30");
    const LauncherSettings s = loadStoredSettings(store);
    QCOMPARE(s.stereo, stereo);
    QCOMPARE(s.vblank, QString(" "));
    MemorySettingsStore saved;
    saveSettings(saved, s);
    QCOMPARE(saved.read("Stereo"), stereo);
    QCOMPARE(saved.read("VBlank"), QString(" "));
    QCOMPARE(saved.read("Top"), QString(" 1440"));
    QCOMPARE(saved.read("Left"), QString("-30"));
}

void SettingsTest::iniStoreRoundTripsTextValues() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Zemplo97/Zemplo97.ini");
    {
        IniSettingsStore store(path);
        LauncherSettings s = firstUseSettings();
        s.keyMap = "a=b;c,d";
        QVERIFY(saveSettings(store, s));
    }
    IniSettingsStore reread(path);
    QCOMPARE(reread.read("Volume"), QString(" 10"));
    QCOMPARE(reread.read("Stereo"), QString::fromUtf8("1 - Normal St\xC3\xA9r\xC3\xA9o"));
    QCOMPARE(reread.read("KeyMap"), QString("a=b;c,d"));
    QCOMPARE(reread.read("Missing"), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("[Startup]"));
}

void SettingsTest::iniStoreFollowsXdgConfigHome() {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QCOMPARE(IniSettingsStore::defaultFilePath(), dir.path() + "/Zemplo97/Zemplo97.ini");
}

void SettingsTest::iniStoreFlushTellsOnlyARealWriteFailure_data() {
    QTest::addColumn<QByteArray>("oldFile");
    QTest::addColumn<bool>("writable");
    QTest::newRow("garbage") << QByteArray("\x01\x02[[[=\n===\n[Startup\n") << true;
    QTest::newRow("raw CR in a value") << QByteArray("[Startup]\nKeyMap=a\rb\n") << true;
    QTest::newRow("folder in the file's place") << QByteArray() << false;
    QTest::newRow("named pipe in the file's place") << QByteArray("pipe") << false;
}

void SettingsTest::iniStoreFlushTellsOnlyARealWriteFailure() {
    QFETCH(QByteArray, oldFile);
    QFETCH(bool, writable);
    QTemporaryDir dir;
    const QString path = dir.filePath("Zemplo97.ini");
    if (writable)
        QVERIFY(writeFile(path, oldFile));
    else if (oldFile == "pipe")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else
        QVERIFY(QDir(dir.path()).mkdir("Zemplo97.ini"));
    IniSettingsStore store(path);
    if (!writable) // read as a store never saved, without waiting on the pipe
        QVERIFY(isFirstUse(store));
    QVERIFY(saveSettings(store, firstUseSettings()) == writable);
    QCOMPARE(store.location(), path);
    if (writable) {
        const IniSettingsStore again(path);
        QCOMPARE(again.read("Version"), QString("262"));
        QCOMPARE(again.read("Volume"), QString(" 10"));
    }
}

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_settings.moc"
