#pragma once

#include "MainWindowDialogWidget.h"

class BusyButton;
class MainWindowDialogLineEdit;
class QLabel;
class QStackedWidget;

// The main menu page that adds a network device by its IPv4 address: the
// address field, then a busy page while the device is asked, and a page
// that says when nothing answered.
class AddByIpAddressWidget : public MainWindowDialogWidget
{
    Q_OBJECT

public:
    enum State
    {
        Entry = 0,
        Searching = 1,
        NotFound = 2,
        Added = 3
    };

    explicit AddByIpAddressWidget(QWidget* parent = nullptr);

    QString address() const;
    void setState(State state);
    State state() const { return m_state; }
    void aboutToShow() override;

    MainWindowDialogLineEdit* addressEdit() const { return m_address; }
    BusyButton* busyButton() const { return m_busy; }
    QString statusText() const;

signals:
    void addDevice();

public slots:
    void checkAddressValid();
    void busyWaitCancelled();
    void onAddPressed() override;

protected:
    void buildContents(TightVBoxLayout* layout) override;

private:
    QWidget* createEntryPage();
    QWidget* createSearchingPage();
    QWidget* createNotFoundPage();
    QLabel* createStatusLabel(QWidget* parent);
    QString withAddress(const QString& message) const;

    QStackedWidget* m_pages = nullptr;
    MainWindowDialogLineEdit* m_address = nullptr;
    BusyButton* m_busy = nullptr;
    QLabel* m_searchingStatus = nullptr;
    QLabel* m_notFoundStatus = nullptr;
    State m_state = Entry;
};
