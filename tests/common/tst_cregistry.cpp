#include "cregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The registry over its INI store: values written and read back by their types, a store written
// by hand, the errors.
class CRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void valuesByType_data();
    void valuesByType();
    void handWrittenStore();
    void machineAndErrors();
};

void CRegistryTest::valuesByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QString>("storedAs"); // the start of the stored text
    QTest::addColumn<QVariant>("read");
    qputenv("TRUV_REGISTRY_TEST", "/opt/truv");
    QTest::newRow("text") << int(CRegistry::REG_SZ) << QVariant("COM5, 9600") << "sz:" << QVariant("COM5, 9600");
    QTest::newRow("reference to the environment") << int(CRegistry::REG_SZ) << QVariant("%TRUV_REGISTRY_TEST%\\dati")
                                                  << "expand:" << QVariant("/opt/truv\\dati");
    QTest::newRow("one percent sign stays text") << int(CRegistry::REG_EXPAND_SZ) << QVariant("sconto 50%")
                                                 << "sz:" << QVariant("sconto 50%");
    QTest::newRow("percent signs side by side stay text") << int(CRegistry::REG_SZ) << QVariant("%%")
                                                          << "sz:" << QVariant("%%");
    QTest::newRow("bytes") << int(CRegistry::REG_BINARY) << QVariant(QByteArray("\x05\x00\xff", 3)) << "hex:05,00,ff"
                           << QVariant(QByteArray("\x05\x00\xff", 3));
    // 200.1.2.3 as a signed number: kept in memory order, least significant byte first.
    QTest::newRow("32-bit integer") << int(CRegistry::REG_DWORD) << QVariant(qint32(0xC8010203)) << "dword:030201c8"
                                    << QVariant(qint32(0xC8010203));
    // The integer's bytes as written, read most significant first.
    QTest::newRow("big-endian integer") << int(CRegistry::REG_DWORD_BIG_ENDIAN) << QVariant(1) << "dword-be:01000000"
                                        << QVariant(0x01000000);
}

void CRegistryTest::valuesByType()
{
    QFETCH(int, type);
    QFETCH(QVariant, written);
    QFETCH(QString, storedAs);
    QTemporaryDir folder;
    CRegistry registry(folder.path(), QStringLiteral("truvnet"));
    registry.SectionKey = QStringLiteral("SOFTWARE\\TRUV\\Prova");
    registry.ValueKey = QStringLiteral("Valore");
    registry.ValueType = CRegistry::Type(type);
    QVERIFY(!registry.KeyExists());
    QVERIFY(registry.setValue(written));
    QVERIFY(registry.KeyExists());
    QTEST(registry.Value(), "read");
    QFile store(folder.filePath(QStringLiteral("registry-hklm.ini")));
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray text = store.readAll();
    QVERIFY2(text.contains(storedAs.toLatin1()), text.constData());

    registry.ValueKey = QStringLiteral("Assente");
    registry.Default = QStringLiteral("niente");
    QCOMPARE(registry.Value(), QVariant(QStringLiteral("niente")));
}

// The line test's key as a user writes it by hand: subkeys, unquoted bytes, an integer.
void CRegistryTest::handWrittenStore()
{
    QTemporaryDir folder;
    QFile store(folder.filePath(QStringLiteral("registry-hklm.ini")));
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write("[SYSTEM]\n"
                "ControlSet001\\Services\\nedrv\\Parameters\\Porta1\\COMNO=hex:05,00\n"
                "ControlSet001\\Services\\nedrv\\Parameters\\Porta1\\IPAddress=dword:0501000a\n"
                "ControlSet001\\Services\\nedrv\\Parameters\\Porta2\\COMNO=hex:07\n");
    store.close();
    CRegistry registry(folder.path(), QStringLiteral("truvnet"));
    registry.SectionKey = QStringLiteral("SYSTEM\\ControlSet001\\Services\\nedrv\\Parameters");
    QCOMPARE(registry.EnumerateSections(), (QStringList{"Porta1", "Porta2"}));
    registry.SectionKey += QStringLiteral("\\Porta1");
    QCOMPARE(registry.EnumerateValues(), (QStringList{"COMNO", "IPAddress"}));
    registry.ValueKey = QStringLiteral("COMNO");
    QCOMPARE(registry.Value(), QVariant(QByteArray("\x05\x00", 2)));
    QCOMPARE(registry.ValueEx(CRegistry::HKEY_LOCAL_MACHINE, registry.SectionKey, QStringLiteral("IPAddress"),
                              CRegistry::REG_DWORD, {}),
             QVariant(0x0a000105));
    QVERIFY(registry.DeleteValue());
    QCOMPARE(registry.EnumerateValues(), QStringList{"IPAddress"});
    QVERIFY(registry.DeleteKey());
    QVERIFY(!registry.KeyExists());
    QVERIFY(!registry.DeleteKey());
    QCOMPARE(registry.lastError().text, QStringLiteral("Failed to open key 'SYSTEM\\ControlSet001\\Services\\nedrv\\"
                                                       "Parameters\\Porta1' for delete access"));
}

void CRegistryTest::machineAndErrors()
{
    QTemporaryDir folder;
    CRegistry registry(folder.path(), QStringLiteral("truvnet"));
    registry.setMachine(QStringLiteral("PC1"));
    QCOMPARE(registry.Machine(), QStringLiteral("\\\\PC1"));
    registry.setMachine(QStringLiteral("\\\\UFFICIO"));
    QCOMPARE(registry.Machine(), QStringLiteral("\\\\UFFICIO"));
    registry.SectionKey = QStringLiteral("SOFTWARE\\TRUV");
    registry.ValueKey = QStringLiteral("X");
    QVERIFY(!registry.setValue(QStringLiteral("a")));
    QCOMPARE(registry.lastError().source, QStringLiteral("truvnet.cRegistry"));
    QVERIFY(registry.lastError().text.startsWith(QStringLiteral("Failed to set registry value Key: 'HKEY_LOCAL_MACHINE'")));
    registry.setMachine(QStringLiteral("PC"));
    QCOMPARE(registry.Machine(), QString());
    QVERIFY(registry.CreateKey());
    QVERIFY(registry.KeyExists());
    QCOMPARE(registry.EnumerateValues(), QStringList{});
}

QTEST_GUILESS_MAIN(CRegistryTest)
#include "tst_cregistry.moc"
