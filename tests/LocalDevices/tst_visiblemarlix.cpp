#include "CapabilityTables.h"
#include "DisplayModeText.h"
#include "ProductLine.h"
#include "ProductTable.h"
#include "SimulatorSession.h"
#include "TestCodes.h"
#include "VisibleMarlix.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QList<QByteArray> kLevelItems = {"oclg", "occb", "occr", "oilg", "oicg", "oslg", "oscg", "iclg", "iccb", "iccr",
                                       "iilg", "iicg", "islg", "iscg", "aos1", "aos2", "aos3", "aos4", "ais1", "ais2",
                                       "ais3", "ais4"};

// A level of one connection mask (video) or one channel (audio), as the adapter sets and reads it.
struct LevelOperation
{
    std::function<void(VisibleMarlix*, uint, double)> set;
    std::function<double(VisibleMarlix*, uint)> get;
};

template <typename Argument>
LevelOperation level(void (VisibleMarlix::*set)(Argument, double), double (VisibleMarlix::*get)(Argument) const)
{
    return {[set](VisibleMarlix* device, uint at, double value) { (device->*set)(Argument(at), value); },
            [get](VisibleMarlix* device, uint at) { return (device->*get)(Argument(at)); }};
}

const QMap<QString, LevelOperation> kLevelOperations = {
    {"output gain", level(&VisibleMarlix::setAnalogVideoOutputGainLevel, &VisibleMarlix::getAnalogVideoOutputGainLevel)},
    {"output chroma",
     level(&VisibleMarlix::setAnalogVideoOutputChromaGainLevel, &VisibleMarlix::getAnalogVideoOutputChromaGainLevel)},
    {"output Cb", level(&VisibleMarlix::setAnalogVideoOutputCbLevel, &VisibleMarlix::getAnalogVideoOutputCbLevel)},
    {"input gain", level(&VisibleMarlix::setAnalogVideoInputGainLevel, &VisibleMarlix::getAnalogVideoInputGainLevel)},
    {"input Cr", level(&VisibleMarlix::setAnalogVideoInputCrLevel, &VisibleMarlix::getAnalogVideoInputCrLevel)},
    {"audio out",
     level(&VisibleMarlix::setAnalogAudioOutputScaleChannel, &VisibleMarlix::getAnalogAudioOutputScaleChannel)},
    {"audio in", level(&VisibleMarlix::setAnalogAudioInputScaleChannel, &VisibleMarlix::getAnalogAudioInputScaleChannel)},
};

// written: the items a setter writes, read: the one item a getter reads (blank-separated, empty for none).
void levelRow(const char* name, const char* operation, uint connection, const char* written, const char* read)
{
    QTest::newRow(name) << QString(operation) << connection << QByteArray(written) << QByteArray(read);
}

// An adapter that reports another model number, for the rules that depend on it.
class ModelOverride : public VisibleMarlix
{
public:
    ModelOverride(IMarlix* device, int64_t model)
        : VisibleMarlix(device)
        , m_model(model)
    {
    }
    int64_t modelId() const override { return m_model; }

private:
    int64_t m_model;
};

} // namespace

// The device adapter against the simulated driver (tests/profiles/adapter-devices.json),
// and the static tables against the product line they describe.
class TestVisibleMarlix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void neutralValuesWhenInitialisationFails_data();
    void neutralValuesWhenInitialisationFails();
    void analogLevels_data();
    void analogLevels();
    void modelRules_data();
    void modelRules();
    void conversionGroupMembersHaveTableRows();
    void installedFirmwareList();
    void outputModesInDisplayOrder();
    void outputFollowsInputWhileBusy_data();
    void outputFollowsInputWhileBusy();

private:
    VisibleMarlix* m_analog = nullptr;
};

void TestVisibleMarlix::initTestCase()
{
    SimulatorSession::start(QStringLiteral("adapter-devices.json"));
    initialiseStaticData();
    QCOMPARE(ProductLine::models().size(), kOrvantaDeviceCount);
    m_analog = SimulatorSession::takeDevice(QStringLiteral("Analog Studio"));
    QVERIFY(m_analog);
    QVERIFY(m_analog->isInitialised());
}

void TestVisibleMarlix::cleanup()
{
    SimulatorSession::control(QStringLiteral("clear"));
    SimulatorSession::control(QStringLiteral("success getters 0"));
    SimulatorSession::control(QStringLiteral("status analog busy 0"));
    SimulatorSession::control(QStringLiteral("signal analog none"));
    m_analog->readFromPreferences();
}

void TestVisibleMarlix::cleanupTestCase()
{
    delete m_analog;
}

void TestVisibleMarlix::neutralValuesWhenInitialisationFails_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("no fault, for contrast") << QString();
    QTest::newRow("attributes") << "QueryInterface:Attributes";
    QTest::newRow("notification") << "QueryInterface:Notification";
    QTest::newRow("subscription") << "Notification.Subscribe";
    QTest::newRow("configuration") << "QueryInterface:Configuration";
    QTest::newRow("status") << "QueryInterface:Status";
    QTest::newRow("input") << "QueryInterface:Input";
    QTest::newRow("output") << "QueryInterface:Output";
}

void TestVisibleMarlix::neutralValuesWhenInitialisationFails()
{
    QFETCH(QString, fault);
    const bool initialised = fault.isEmpty();
    QString message;
    if (!initialised)
        QVERIFY2(SimulatorSession::control(QStringLiteral("fail analog %1 1").arg(fault), &message),
                 qPrintable(message));
    int created = 0;
    int connectedSignals = 0;
    // The failed adapter is the one without a name.
    const std::unique_ptr<VisibleMarlix> device(SimulatorSession::takeDevice(
        initialised ? QStringLiteral("Analog Studio") : QString(), [&](IMarlix* marlix) {
            auto* adapter = new VisibleMarlix(marlix);
            ++created;
            connect(adapter, &VisibleMarlix::connectionChangedSignal, this, [&] { ++connectedSignals; });
            return adapter;
        }));
    QVERIFY(device);

    QCOMPARE(connectedSignals, created - (initialised ? 0 : 1));
    QCOMPARE(device->isInitialised(), initialised);
    QCOMPARE(device->isConnected(), initialised);
    QCOMPARE(device->modelName().isEmpty(), !initialised);
    QCOMPARE(device->modelId(), int64_t(initialised ? 5 : 0));
    QCOMPARE(device->supportsCapture(), initialised);
    QCOMPARE(device->getVideoOutputDisplayModes().isEmpty(), !initialised);
    QCOMPARE(device->getMaxAnalogAudioInputChannels(), initialised ? 2 : 0);
    int result = 0;
    device->getStatusInt(codeOf("busy"), result);
    QCOMPARE(result, initialised ? 0 : int(0x80000008));
    uint32_t mode = 0;
    uint32_t flags = 0;
    QCOMPARE(device->getVideoOutputDisplayMode(mode, flags), initialised);
    QCOMPARE(getVideoOutputDisplayMode(device.get(), 0) == kNoDisplayMode, !initialised);
    if (!initialised) {
        QVERIFY(device->modelImage().isNull());
        QVERIFY(device->hasDedicatedDownconvertedOutput());
        QVERIFY(device->deviceName().isEmpty());
        QCOMPARE(device->getAnalogVideoOutputGainLevel(MarlixValue::kVideoComponent), 0.0);
        QVERIFY(device->getSubDevices().isEmpty());
    }
}

// One row per rule of masks and channels; which item a connector names is the code's
// table, and the settings tab suites write through each kind of level.
void TestVisibleMarlix::analogLevels_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<uint>("connection");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("read");
    levelRow("output gain on component and composite", "output gain", 24, "oclg oilg", "oclg");
    levelRow("output gain on composite and S-Video", "output gain", 48, "oilg oslg", "oilg");
    levelRow("output gain ignores digital bits", "output gain", 3, "", "");
    levelRow("output chroma on component is Cb and Cr", "output chroma", 8, "occb occr", "occb");
    levelRow("output Cb is written within a mask, read for component alone", "output Cb", 24, "occb", "");
    levelRow("input gain on component and S-Video", "input gain", 40, "iclg islg", "iclg");
    levelRow("input Cr within a mask", "input Cr", 24, "iccr", "");
    levelRow("audio output channel 0 is none", "audio out", 0, "", "");
    levelRow("audio input channel 2", "audio in", 2, "ais2", "ais2");
}

// A getter reads one item of the mask or the channel; a setter writes every item the
// mask names and leaves the others alone.
void TestVisibleMarlix::analogLevels()
{
    QFETCH(QString, operation);
    QFETCH(uint, connection);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, read);
    QMap<QByteArray, double> before;
    double value = 0.0;
    for (const QByteArray& item : kLevelItems) {
        m_analog->setConfigurationFloat(codeOf(item), value += 0.03125);
        before.insert(item, m_analog->getConfigurationFloat(codeOf(item)));
        QVERIFY2(before[item] > 0.0, item.constData());
    }
    const LevelOperation level = kLevelOperations.value(operation);
    QCOMPARE(level.get(m_analog, connection), read.isEmpty() ? 0.0 : before[read]);
    level.set(m_analog, connection, -0.25);
    for (const QByteArray& item : kLevelItems) {
        const double expected = written.split(' ').contains(item) ? -0.25 : before[item];
        QVERIFY2(m_analog->getConfigurationFloat(codeOf(item)) == expected, item.constData());
    }
}

void TestVisibleMarlix::modelRules_data()
{
    QTest::addColumn<ProductLineModel>("model");
    for (const ProductLineModel& model : ProductLine::models())
        QTest::addRow("%d %s", model.id, qPrintable(model.name)) << model;
}

// The product record, the exclusion, the pictures, the firmware list's name and the
// adapter's rules that hang on the model number, for every model of the product line.
void TestVisibleMarlix::modelRules()
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
    const QString image = model.pictureSet == QLatin1String("-") ? QString() : QStringLiteral(":/") + model.pictureSet;
    if (icons != kModelImages.constEnd()) {
        QCOMPARE(icons->image, image);
        QCOMPARE(icons->thumb, image.isEmpty() ? QString() : image + QStringLiteral("Thumb"));
        QCOMPARE(icons->listThumb, image.isEmpty() ? QString() : image + QStringLiteral("ListThumb"));
    }

    const QString listName = model.quotedNote(QStringLiteral("firmware list name"));
    const QVector<InstalledFirmware> firmware = VisibleMarlix::getInstalledFirmwareList();
    const auto listed = [&model](const InstalledFirmware& entry) { return entry.modelId == model.id; };
    const auto entry = std::find_if(firmware.begin(), firmware.end(), listed);
    if (!listName.isEmpty()) {
        QCOMPARE(std::count_if(firmware.begin(), firmware.end(), listed), 1);
        QCOMPARE(entry->name, listName);
        QCOMPARE(int(entry->firmwareVersion), int(record.firmwareVersion));
    }

    const bool psf = !model.hasNote(QStringLiteral("no PsF"));
    const std::unique_ptr<VisibleMarlix> device(SimulatorSession::takeDevice(
        QStringLiteral("Analog Studio"), [&model](IMarlix* marlix) { return new ModelOverride(marlix, model.id); }));
    QVERIFY(device);
    QCOMPARE(device->supportsOutputPsF(), psf);
    QCOMPARE(device->supportsCapturePsF(), psf);
    QCOMPARE(device->supportsAnalogVideoInputGain(MarlixValue::kVideoComponent),
             !model.hasNote(QStringLiteral("no analog input gain")));
    QCOMPARE(device->getAudioInputConnectionTranslated(QStringLiteral("RCA")),
             model.hasNote(QStringLiteral("\"HIFI\"")) ? QStringLiteral("HIFI") : QStringLiteral("RCA"));
    QCOMPARE(device->getAudioInputConnectionTranslated(QStringLiteral("XLR")), QStringLiteral("XLR"));

    device->setOutput1080pAsPsF(true);
    device->setVideoOutputDisplayMode(codeOf("Hp25"));
    uint32_t mode = 0;
    uint32_t flags = 0;
    QVERIFY(device->getVideoOutputDisplayMode(mode, flags));
    QCOMPARE(mode, codeOf("Hp25"));
    QCOMPARE(flags, psf ? 1u : 0u);
    device->readFromPreferences();
}

// Every group member names a conversion with a name, except the 2K down-conversion,
// which the Conversions tab shows as a group without a picture.
void TestVisibleMarlix::conversionGroupMembersHaveTableRows()
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

// Sorted by name; the first record and a model listed twice in the exclusions are left out.
void TestVisibleMarlix::installedFirmwareList()
{
    const QVector<InstalledFirmware> list = VisibleMarlix::getInstalledFirmwareList();
    for (int i = 1; i < list.size(); ++i)
        QVERIFY2(list[i - 1].name <= list[i].name, qPrintable(list[i].name));
    for (const InstalledFirmware& firmware : list)
        QVERIFY2(firmware.modelId != 0 && firmware.modelId != 11, qPrintable(firmware.name));
}

void TestVisibleMarlix::outputModesInDisplayOrder()
{
    QStringList order;
    for (const DisplayMode& mode : m_analog->getVideoOutputDisplayModesInDisplayOrder())
        order.append(mode.getName(0));
    const QStringList expected = {
        "NTSC Progressive", "NTSC 23.98", "NTSC", "PAL Progressive", "PAL",
        "720p50", "720p59.94", "720p60",
        "1080p23.98", "1080p24", "1080p25", "1080p29.97", "1080p30", "1080p50", "1080p59.94", "1080p60",
        "1080i50", "1080i59.94", "1080i60"};
    QCOMPARE(order, expected);
}

void TestVisibleMarlix::outputFollowsInputWhileBusy_data()
{
    QTest::addColumn<int>("busy");
    // What every getter answers for success.
    QTest::addColumn<int>("success");
    QTest::addColumn<QString>("expected");
    QTest::newRow("playing back") << 2 << 0 << "1080i59.94";
    QTest::newRow("capturing passes the input through") << 1 << 0 << "1080i50";
    // Only an answer of exactly 0 is taken: none of the reads is.
    QTest::newRow("getters answering 1") << 1 << 1 << "-";
}

void TestVisibleMarlix::outputFollowsInputWhileBusy()
{
    QFETCH(int, busy);
    QFETCH(int, success);
    QFETCH(QString, expected);
    QVERIFY(SimulatorSession::control(QStringLiteral("signal analog Hi50 0")));
    QVERIFY(SimulatorSession::control(QStringLiteral("status analog busy %1").arg(busy)));
    QVERIFY(SimulatorSession::control(QStringLiteral("success getters %1").arg(success)));
    QCOMPARE(getVideoOutputDisplayMode(m_analog, MarlixValue::kVideoSDI), expected);
}

QTEST_MAIN(TestVisibleMarlix)
#include "tst_visiblemarlix.moc"
