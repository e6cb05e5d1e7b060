#include "CapabilityTables.h"
#include "ProductLine.h"
#include "ProductTable.h"
#include "SimulatorSession.h"
#include "TestCodes.h"
#include "VisibleMarlix.h"

#include <QtTest>

#include <algorithm>
#include <memory>

// The static tables against the product line they describe, and against the
// simulator's default fleet, which uses the same model numbers and names.
class TestCapabilityTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modelMatchesProductLine_data();
    void modelMatchesProductLine();
    void conversionGroupMembersHaveTableRows();
    void installedFirmwareList_data();
    void installedFirmwareList();
    void installedFirmwareListIsSortedByName();
    void defaultFleetMatchesProductTable();
};

void TestCapabilityTables::initTestCase()
{
    initialiseStaticData();
    SimulatorSession::start();
    QCOMPARE(ProductLine::models().size(), kOrvantaDeviceCount);
}

void TestCapabilityTables::modelMatchesProductLine_data()
{
    ProductLine::addModelRows();
}

// The product record, the exclusion and the pictures of one model.
void TestCapabilityTables::modelMatchesProductLine()
{
    QFETCH(ProductLineModel, model);
    const OrvantaDeviceRecord& record = gOrvantaDeviceTable[model.id];
    const QString second = model.quotedNote(QStringLiteral("second name"));
    QCOMPARE(int(record.modelId), model.id);
    QCOMPARE(QString::fromUtf8(record.productName), model.name);
    QCOMPARE(QString::fromUtf8(record.secondName), second.isEmpty() ? model.name : second);
    QCOMPARE(kExcludedDevices.contains(uint64_t(model.id)), model.hasNote(QStringLiteral("excluded")));

    const auto icons = kModelImages.constFind(uint64_t(model.id));
    QCOMPARE(icons != kModelImages.constEnd(), model.pictureSet != QLatin1String("none"));
    if (icons == kModelImages.constEnd())
        return;
    const QString image = model.pictureSet == QLatin1String("-") ? QString() : QStringLiteral(":/") + model.pictureSet;
    QCOMPARE(icons->image, image);
    QCOMPARE(icons->thumb, image.isEmpty() ? QString() : image + QStringLiteral("Thumb"));
    QCOMPARE(icons->listThumb, image.isEmpty() ? QString() : image + QStringLiteral("ListThumb"));
}

// Every group member names a conversion with a name, except the 2K down-conversion,
// which the Conversions tab shows as a group without a picture.
void TestCapabilityTables::conversionGroupMembersHaveTableRows()
{
    const auto unnamedMembers = [](const auto& groups, const QMap<uint32_t, VideoConversionInfo>& table) {
        QStringList unnamed;
        for (const auto& group : groups) {
            for (uint32_t mode : *group.modes) {
                if (mode != MarlixValue::kConversion2KtoSD && table.value(mode).name.isEmpty())
                    unnamed << group.name + QLatin1Char(' ') + QString::fromLatin1(codeText(mode));
            }
        }
        return unnamed;
    };
    const QStringList unnamed = unnamedMembers(kVideoInputConversionModeGroups, kVideoInputConversionModes)
                                + unnamedMembers(kVideoOutputConversionModeGroups, kVideoOutputConversionModes);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QVERIFY(!kVideoOutputConversionModes.contains(MarlixValue::kConversion2KtoSD));
}

void TestCapabilityTables::installedFirmwareList_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("second image of the Core Quad 12G") << 69 << QStringLiteral("Lumaris Core Quad 12G 2");
    QTest::newRow("Studio 4K Pro under its 12G name") << 46 << QStringLiteral("Lumaris Studio 4K Pro 12G");
    QTest::newRow("Bolt 4K Pro under its panel name") << 48 << QStringLiteral("Lumaris Bolt 4K Pro Panel");
    QTest::newRow("first record is left out") << 0 << QString();
    QTest::newRow("model listed twice in the exclusions") << 11 << QString();
}

void TestCapabilityTables::installedFirmwareList()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QList<InstalledFirmware> matches;
    for (const InstalledFirmware& firmware : VisibleMarlix::getInstalledFirmwareList()) {
        if (firmware.modelId == id)
            matches.append(firmware);
    }
    if (name.isEmpty()) {
        QVERIFY2(matches.isEmpty(), "an excluded model's firmware is listed");
        return;
    }
    QCOMPARE(matches.size(), 1);
    QCOMPARE(matches.first().name, name);
    QCOMPARE(int(matches.first().firmwareVersion), int(gOrvantaDeviceTable[id].firmwareVersion));
}

void TestCapabilityTables::installedFirmwareListIsSortedByName()
{
    const QVector<InstalledFirmware> list = VisibleMarlix::getInstalledFirmwareList();
    for (int i = 1; i < list.size(); ++i)
        QVERIFY2(list[i - 1].name <= list[i].name, qPrintable(list[i].name));
}

// Reads the simulator's built-in fleet through the driver contract, as the program does.
void TestCapabilityTables::defaultFleetMatchesProductTable()
{
    const QVector<VisibleMarlix*> fleet = SimulatorSession::connectedDevices();
    const auto release = qScopeGuard([&fleet] { qDeleteAll(fleet); });
    QList<int> fleetIds;
    for (VisibleMarlix* device : fleet) {
        const int64_t id = device->modelId();
        QVERIFY2(id > 0 && id < kOrvantaDeviceCount, qPrintable(device->modelName()));
        QCOMPARE(device->modelName(), QString::fromUtf8(gOrvantaDeviceTable[id].productName));
        if (!fleetIds.contains(int(id)))
            fleetIds.append(int(id));
    }
    QList<int> documented = ProductLine::defaultFleet();
    std::sort(fleetIds.begin(), fleetIds.end());
    std::sort(documented.begin(), documented.end());
    QCOMPARE(fleetIds, documented);
}

QTEST_MAIN(TestCapabilityTables)
#include "tst_capabilitytables.moc"
