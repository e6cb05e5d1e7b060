#pragma once

#include "MarlixSettingsTab.h"

#include <QVector>

class CardSection;
class QButtonGroup;
class QPushButton;
class SettingsLabel;
class SettingsLineEdit;

// The "About" tab: driver version and date, the status report, the owner's
// product notes kept in the device, and the installed documentation.
class AboutSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    static const QString kManualPath;
    static const QString kReadmePath;

    AboutSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    SettingsLineEdit* noteEdit(int index) const { return m_notes.value(index); }
    CardSection* productNotesSection() const { return m_productNotes; }
    QButtonGroup* documentationButtons() const { return m_documentation; }
    QPushButton* reportButton() const { return m_reportButton; }

    // The file a documentation button opens; empty for an unknown id.
    static QString documentationPath(int id);

public slots:
    void onPropertyChanged() override;
    void createReport();
    void onDocumentationButtonClicked(int id);

protected:
    void onApplyChanges() override;

private:
    struct Note
    {
        const char* label;
        QString (VisibleMarlix::*get)() const;
        void (VisibleMarlix::*set)(const QString&);
    };
    static const Note kNotes[];

    void createDriverInformation();
    void createProductNotes();
    void createDocumentation();

    SettingsLabel* m_driver = nullptr;
    QPushButton* m_reportButton = nullptr;
    CardSection* m_productNotes = nullptr;
    QVector<SettingsLineEdit*> m_notes;
    QButtonGroup* m_documentation = nullptr;
};
