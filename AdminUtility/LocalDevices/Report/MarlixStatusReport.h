#pragma once

#include "QTextTemplate.h"
#include "ShellExec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class VisibleMarlix;

// The HTML status report of one local device and of the host computer: the
// device's signals, options and bus link, the host's name, system, memory and
// processors, on one self-contained page.
class MarlixStatusReport
{
    Q_DECLARE_TR_FUNCTIONS(MarlixStatusReport)

public:
    explicit MarlixStatusReport(VisibleMarlix& device);

    // "<home>/Orvanta_Lumaris_Status_Report_yyyy-MM-dd_HH-mm-ss.html", cleaned, native separators.
    static QString defaultFilePath(const QDateTime& now);

    // The host commands run through this (by default each bounded to 30 s).
    void setCommandRunner(CommandRunner run) { m_run = std::move(run); }

    // The whole page, or an empty text when the device's state cannot be reported.
    QString render();
    // Renders the page and writes it atomically; false leaves any old file as it was.
    bool writeTo(const QString& path);

private:
    struct Row
    {
        Row(const QString& first, const QString& second = QString(), const QString& firstStyle = QString(),
            bool firstIsMarkup = false)
            : col1(first), col2(second), col1Style(firstStyle), col1IsMarkup(firstIsMarkup)
        {
        }
        QString col1;
        QString col2;
        QString col1Style;
        bool col1IsMarkup;
    };

    void fillPageTexts(QTextTemplate& page);
    bool fillDeviceTables(QTextTemplate& page);
    bool fillVideoInputTable(QTextTemplate& page);
    void fillVideoOutputTable(QTextTemplate& page);
    void fillReferenceTable(QTextTemplate& page);
    void fillEDIDTable(QTextTemplate& page);
    void fillVideoOptionsTable(QTextTemplate& page);
    void fillDeviceInterfaceTable(QTextTemplate& page);
    void fillPCIeStatusTable(QTextTemplate& page);
    void fillHostValues(QTextTemplate& page);

    QString inputModeText() const;
    QString outputModeText(uint32_t connection, const QString& pixelFormat) const;
    QString renderTable(const QString& title, const QList<Row>& rows);

    VisibleMarlix& m_device;
    CommandRunner m_run = shellCommandRunner();
    QTextTemplate m_table{true};
    QTextTemplate m_row{true};
};
