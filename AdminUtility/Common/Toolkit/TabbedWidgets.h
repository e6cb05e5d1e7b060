#pragma once

#include <QColor>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;
class TabButton;

// A strip of tab buttons above a stack of pages, one page per tab.
class TabbedWidgets : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kStripHeight = 26;
    static constexpr int kLeadingSpacing = 30;

    explicit TabbedWidgets(const QColor& background, QWidget* parent = nullptr);

    // Appends a page with its tab; the first page added becomes the current one.
    int addTab(QWidget* page, const QString& title);
    void selectTab(int index);
    int currentTab() const { return m_currentTab; }
    int numTabs() const;

    TabButton* tabButton(int index) const;
    QWidget* tabPage(int index) const;

protected slots:
    // A tab button was pressed; subclasses may act before or after the switch.
    virtual void onButtonClicked(int index);

private:
    void setBackground(const QColor& background);
    void createTabStrip(QVBoxLayout* layout);
    void createSeparator(QVBoxLayout* layout);
    void createPages(QVBoxLayout* layout);
    void connectSignals();
    void showPage(int index);

    QButtonGroup* m_buttons = nullptr;
    QHBoxLayout* m_tabStrip = nullptr;
    QStackedWidget* m_pages = nullptr;
    int m_currentTab = -1;
};
