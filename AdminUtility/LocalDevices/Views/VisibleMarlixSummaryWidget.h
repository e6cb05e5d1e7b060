#pragma once

#include <QFrame>
#include <QTimer>

#include <cstdint>
#include <map>

class HorizontalScrollArea;
class LabelledImage;
class QGridLayout;
class QHBoxLayout;
class VisibleMarlix;
struct VideoConnectionInfo;

// The live summary under a local device in the gallery: what the video input
// sees, what every output connector carries and the reference state, in
// columns divided by thin lines. Refreshed whenever the device reports a
// status or settings change.
class VisibleMarlixSummaryWidget : public QFrame
{
    Q_OBJECT

public:
    // An output key is a connection code; bit 31 marks the second SDI or optical
    // link, bit 30 the dedicated down-converted output.
    static constexpr uint32_t kSecondLinkBit = 0x80000000u;
    static constexpr uint32_t kDownConvertedBit = 0x40000000u;
    static constexpr uint32_t kConnectionMask = 0x3fffffffu;

    VisibleMarlixSummaryWidget(VisibleMarlix& device, QWidget* parent = nullptr);

    LabelledImage* inputWidget() const;
    LabelledImage* referenceWidget() const;
    LabelledImage* outputWidget(uint32_t key) const;
    // The output widgets in the order the row shows them.
    QList<LabelledImage*> outputWidgets() const;
    HorizontalScrollArea* outputScrollArea() const;

public slots:
    void onDeviceStatusChanged();
    void onOutputWidgetChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createLayout();
    void createColumns();
    void createInputColumn();
    void createOutputColumn();
    void createReferenceColumn();
    void addColumn(const QString& title, QWidget* widget);
    void addSeparatorColumn();
    void connectSignals();

    void updateInput();
    void updateReference();
    void updateOutputs();
    void updateOutputsOfConnection(uint32_t code, const VideoConnectionInfo& info);
    void updateConnectionWidget(const VideoConnectionInfo& info, uint32_t key);
    bool variantAllowed(uint32_t key) const;
    bool hasSecondaryConnectionWidget(uint32_t code) const;
    LabelledImage* takeOrCreateOutputWidget(uint32_t key);
    void removeOutputWidget(uint32_t key);
    void updateOutputRoom();
    int columnWidth(QWidget* widget) const;

    VisibleMarlix& m_device;
    QGridLayout* m_grid = nullptr;
    int m_columnCount = 0;
    LabelledImage* m_input = nullptr;
    HorizontalScrollArea* m_outputScrollArea = nullptr;
    QHBoxLayout* m_outputRow = nullptr;
    std::map<uint32_t, LabelledImage*> m_outputs;
    int m_outputWidth = 0;
    LabelledImage* m_reference = nullptr;
    // Status notifications come in bursts; one refresh per event-loop turn shows the same
    // (a single-shot timer of interval 0, started by every notification).
    QTimer m_refreshTimer;
};
