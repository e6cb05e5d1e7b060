#include "AboutSettings.h"

#include "CardSection.h"
#include "CommonGui.h"
#include "DisplayModeText.h"
#include "EMailAddressValidator.h"
#include "MarlixStatusReport.h"
#include "SettingsLabel.h"
#include "SettingsLineEdit.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPushButton>
#include <QUrl>

const QString AboutSettings::kManualPath = QStringLiteral("/usr/share/doc/lumaris-gui/Lumaris Manual.pdf");
const QString AboutSettings::kReadmePath = QStringLiteral("/usr/share/doc/lumaris/ReadMe.txt");

namespace {
constexpr int kManualId = 0;
constexpr int kReadmeId = 2;
constexpr int kEMailNote = 4;
} // namespace

const AboutSettings::Note AboutSettings::kNotes[] = {
    {QT_TR_NOOP("Label:"), &VisibleMarlix::getInformationLabel, &VisibleMarlix::setInformationLabel},
    {QT_TR_NOOP("Serial Number:"), &VisibleMarlix::getInformationSerialNumber,
     &VisibleMarlix::setInformationSerialNumber},
    {QT_TR_NOOP("Purchased From:"), &VisibleMarlix::getInformationCompany, &VisibleMarlix::setInformationCompany},
    {QT_TR_NOOP("Seller Phone Number:"), &VisibleMarlix::getInformationPhone, &VisibleMarlix::setInformationPhone},
    {QT_TR_NOOP("Seller Email:"), &VisibleMarlix::getInformationEMail, &VisibleMarlix::setInformationEMail},
    {QT_TR_NOOP("Purchase Date:"), &VisibleMarlix::getInformationDate, &VisibleMarlix::setInformationDate},
};

AboutSettings::AboutSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    createDriverInformation();
    createProductNotes();
    createDocumentation();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

void AboutSettings::createDriverInformation()
{
    addSection(tr("Driver Information"));
    m_driver = addLabelRow(tr("Driver:"), QString());
    addLabelRow(tr("Last Update:"), getLastUpdatedDateTime());
    m_reportButton = addPushButtonRow(tr("Status Report:"), tr("Create"));
    // Writing a report changes no setting.
    disconnect(m_reportButton, &QPushButton::clicked, this, &SettingsTab::onAnyControlChanged);
    connect(m_reportButton, &QPushButton::clicked, this, &AboutSettings::createReport);
    decorateRowWidgetWithRolloverIcon(m_reportButton, QStringLiteral(":/Info"),
                                      tr("This generates a detailed status report for later reference."));
}

void AboutSettings::createProductNotes()
{
    m_productNotes = addSection(tr("Product Notes"));
    for (const Note& note : kNotes)
        m_notes.append(addLineEditRow(tr(note.label), kNoValidator));
    m_notes.at(kEMailNote)->setValidator(new EMailAddressValidator(m_notes.at(kEMailNote)));
    m_notes.at(kEMailNote)->setStatusIconEnabled(true);
    showSection(m_productNotes, device().supportsPersistentID());
}

void AboutSettings::createDocumentation()
{
    addSection(tr("Documentation"));
    m_documentation = addPlainImageButtonGroup({CommonGui::pixmap(QStringLiteral(":/PDF")),
                                                CommonGui::pixmap(QStringLiteral(":/Readme"))},
                                               QStringList(), {kManualId, kReadmeId});
    m_documentation->button(kManualId)->setToolTip(tr("User Manual"));
    m_documentation->button(kReadmeId)->setToolTip(tr("Readme"));
    // Opening a document is not a settings change.
    disconnect(m_documentation, &QButtonGroup::idClicked, this, &SettingsTab::onAnyControlChanged);
    for (QAbstractButton* button : m_documentation->buttons())
        button->setCheckable(false);
    connect(m_documentation, &QButtonGroup::idClicked, this, &AboutSettings::onDocumentationButtonClicked);
}

void AboutSettings::onPropertyChanged()
{
    m_driver->setText(VisibleMarlix::getAPIVersion());
    for (int i = 0; i < m_notes.size(); ++i)
        refreshLineEdit(m_notes.at(i), QStringLiteral("%1").arg((device().*kNotes[i].get)()));
}

void AboutSettings::onApplyChanges()
{
    for (int i = 0; i < m_notes.size(); ++i) {
        if (hasChanged(*m_notes.at(i)))
            (device().*kNotes[i].set)(m_notes.at(i)->text());
    }
}

QString AboutSettings::documentationPath(int id)
{
    switch (id) {
    case kManualId: return kManualPath;
    case kReadmeId: return kReadmePath;
    default: return QString();
    }
}

void AboutSettings::onDocumentationButtonClicked(int id)
{
    const QString path = documentationPath(id);
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// A report that cannot be written leaves any earlier file as it was; no message.
void AboutSettings::createReport()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save Status Report"), MarlixStatusReport::defaultFilePath(QDateTime::currentDateTime()),
        tr("Status report files (*.html)"));
    if (path.isEmpty())
        return;
    MarlixStatusReport(device()).writeTo(path);
}
