#pragma once

#include "GridSettings.h"
#include "SliderLink.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QWidget>

class CardBookmark;
class CardPopupMenu;
class CardScrollArea;
class CardSection;
class QAbstractButton;
class FlatImageButton;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class SettingsAlertAndResponse;
class SettingsCheckBox;
class SettingsComboBox;
class SettingsLabel;
class SettingsLineEdit;
class SettingsRadioButton;
class SettingsSlider;
class SettingsSliderValue;
class SettingsSliderWithEditableValue;

// One tab of a product card: a scrolling column of rows built top to bottom
// in the constructor. The tab owns its controls, hears of every change in
// onAnyControlChanged(), and keeps the status that lets the card save.
class SettingsTab : public QWidget
{
    Q_OBJECT

public:
    // What was added last, for the space between rows.
    enum RowKind
    {
        kRowNone = 0,
        kRowBookmark = 1,
        kRowFullWidthSeparator = 2,
        kRowSection = 3,
        kRowLabelledControl = 4,
    };
    enum LineEditKind
    {
        kNonEmptyText = 0,
        kIpAddress = 1,
        kNoValidator = 2,
    };

    static constexpr int kRowWidth = 620;
    static constexpr int kLabelX = 30;
    static constexpr int kLabelWidth = 160;
    static constexpr int kControlX = 205;
    static constexpr int kRowSpacing = 11;
    static constexpr int kRadioStep = 27;

    explicit SettingsTab(QWidget* parent = nullptr);

    int settingsStatus() const { return m_settingsStatus; }
    void setSettingsStatus(int status);

    // --- Rows with a label column --------------------------------------
    QWidget* addLabelledControlRow(const QString& label, int height);
    virtual SettingsLabel* addLabelRow(const QString& label, const QString& text);
    virtual SettingsLineEdit* addLineEditRow(const QString& label, int kind);
    virtual QButtonGroup* beginRadioGroup(const QString& label);
    virtual SettingsRadioButton* addRadioButtonRow(const QString& text, int id);
    void endRadioGroup();
    virtual QPushButton* addPushButtonRow(const QString& label, const QString& text);
    virtual QPushButton* addCardPushButtonRow(const QString& label, const QString& text);
    virtual SettingsCheckBox* addCheckBoxRow(const QString& label, const QString& text);
    virtual SettingsComboBox* addComboBoxRow(const QString& label, int width);
    virtual SettingsSlider* addSliderRow(const QString& label, int minimum, int maximum);
    virtual SettingsSlider* addSliderRowAndValue(const QString& label, int minimum, int maximum,
                                                 SettingsSliderValue** value);
    virtual SettingsSliderWithEditableValue* addSliderRowWithEditableValue(const QString& label, double minimum,
                                                                           double maximum, int decimals,
                                                                           const QString& units, bool defaultEnabled,
                                                                           double defaultValue);
    virtual SliderLink* linkSliders(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b,
                                    SliderLink::Type type);
    virtual SettingsAlertAndResponse* addAlert(const QString& label, const QString& text, const QString& buttonText,
                                               bool alarmed);

    // --- Grid groups ------------------------------------------------------
    virtual QButtonGroup* addCheckBoxGroup(const QString& label, const QList<SettingsCheckBox**>& boxes,
                                           const QStringList& texts, int boxesPerLine = 1);
    QButtonGroup* addRadioButtonGroup(const QString& label, const QList<SettingsRadioButton**>& buttons,
                                      const QStringList& texts, const QList<int>& ids, int buttonsPerLine);
    virtual QButtonGroup* addImageButtonGroup(const QString& label, const QVector<QPixmap>& pictures,
                                              const QStringList& captions, const QList<int>& ids);
    virtual QButtonGroup* addPlainImageButtonGroup(const QVector<QPixmap>& pictures, const QStringList& captions,
                                                   const QList<int>& ids);
    virtual QButtonGroup* addImageButtonGroup(const QString& label, const QVector<QPixmap>& pictures,
                                              const QStringList& captions, const QList<int>& ids,
                                              const GridSettings& grid);
    virtual QButtonGroup* addPlainImageButtonGroup(const QVector<QPixmap>& pictures, const QStringList& captions,
                                                   const QList<int>& ids, const GridSettings& grid);
    virtual QButtonGroup* beginImageButtonGroup(const QString& label, const GridSettings& grid);
    virtual QButtonGroup* beginImageButtonGroup(const GridSettings& grid);
    // One line of picture buttons; enabled says whether they start enabled.
    virtual void addImageButtonGroupRow(const QVector<QPixmap>& pictures, const QList<int>& ids,
                                        const QStringList& captions, bool enabled = true);
    virtual void endImageButtonGroup();
    virtual QButtonGroup* beginCheckBoxGroup(const QString& label);
    // One line of one or two check boxes (an empty second text adds one).
    virtual QList<SettingsCheckBox*> addCheckBoxGroupRow(const QString& text1, const QString& text2 = QString());
    virtual void endCheckBoxGroup();
    virtual QButtonGroup* beginRadioGroupWithGridLayout(const QString& label);
    virtual SettingsRadioButton* addRadioButtonRowToGrid(const QString& text, int id);
    virtual void endRadioGroupWithGridLayout();
    // Gives the check box groups (picture groups) of this tab common column widths.
    void alignCheckBoxGroups(bool align);
    void alignImageButtonGroups(bool align);
    const QList<QGridLayout*>& checkBoxGroupLayouts() const { return m_checkBoxGridLayouts; }

    // --- Sections, header, bookmarks ------------------------------------
    CardSection* addSection(const QString& title);
    CardSection* addSection(CardSection* section);
    void showSection(CardSection* section, bool shown);
    // Rows added from now on go into section (null: below the last section),
    // for rows that a tab rebuilds after building.
    void setActiveSection(CardSection* section);
    FlatImageButton* addSectionButton(CardSection* section, const QString& picture);
    void addHeader(const QString& title, const QString& picturePath, bool withBookmarks);
    CardBookmark* addBookmark(const QString& title);
    QWidget* addFullWidthSeparator();
    QWidget* addMessageRow(const QString& text, const QVector<QPixmap>& pictures, bool emphasised);
    void beginRowGroup();
    void endRowGroup();
    // An information icon right of widget, explained by text when hovered.
    void decorateRowWidgetWithRolloverIcon(QWidget* widget, const QString& picture, const QString& text);

    // --- Rows after building --------------------------------------------
    QWidget* findRowContaining(QWidget* widget) const;
    void showRowContaining(QWidget* widget, bool shown);
    void setEnabledRowContaining(QWidget* widget, bool enabled);
    void removeRowContaining(QWidget* widget);
    void addRowSpacer(int pixels);
    void endSettingsTab();

    void watchLineEdit(SettingsLineEdit* edit);
    const QList<SettingsLineEdit*>& watchedLineEdits() const { return m_watchedLineEdits; }
    const QList<CardSection*>& sections() const { return m_sections; }
    CardScrollArea* scrollArea() const { return m_scrollArea; }
    QWidget* columnWidget() const { return m_column; }
    QPushButton* bookmarkButton() const { return m_bookmarkButton; }
    CardPopupMenu* bookmarkMenu() const { return m_bookmarkMenu; }

signals:
    void settingsStatusChanged();

public slots:
    virtual void onTabSelected();
    virtual void onTabDeselected();
    virtual void onAnyControlChanged();
    void onLineEditChanged();
    void onBookmarkSelected(int index);
    void onRaiseBookmarkMenu();

protected:
    void checkLineEditInvalidStatus();

private:
    struct GridGroup
    {
        QWidget* frame = nullptr;
        QGridLayout* layout = nullptr;
        QButtonGroup* buttons = nullptr;
        int row = 0;
        int column = 0;
    };

    QWidget* addingRow(RowKind kind);
    void insertRow(QWidget* row, RowKind kind);
    void insertIntoColumn(QWidget* widget, bool isRow);
    QWidget* createSpacer(int pixels);
    QButtonGroup* beginGridGroup(const QString& label, const GridSettings& grid, bool exclusive);
    void endGridGroup();
    void placeInGrid(QWidget* widget, int row, int column);
    void connectImageGroup(QButtonGroup* group);
    void onImageGroupButtonToggled(QAbstractButton* button, bool checked);
    static void alignGrids(const QList<QGridLayout*>& grids, bool align);
    QButtonGroup* addImageGroup(const QString& label, const QVector<QPixmap>& pictures, const QStringList& captions,
                                const QList<int>& ids, const GridSettings& grid);
    QLabel* addRowLabel(QWidget* row, const QString& text);

    RowKind m_previousRowKind = kRowNone;
    bool m_rowGroupOpen = false;
    QVBoxLayout* m_outerLayout = nullptr;
    CardScrollArea* m_scrollArea = nullptr;
    QVBoxLayout* m_columnLayout = nullptr;
    QPushButton* m_bookmarkButton = nullptr;
    CardPopupMenu* m_bookmarkMenu = nullptr;
    QList<CardBookmark*> m_bookmarks;
    QWidget* m_radioRow = nullptr;
    QButtonGroup* m_radioGroup = nullptr;
    int m_radioY = 8;
    GridGroup m_grid;
    QList<QGridLayout*> m_checkBoxGridLayouts;
    QList<QGridLayout*> m_imageButtonGridLayouts;
    GridSettings m_defaultGrid;
    QList<CardSection*> m_sections;
    CardSection* m_activeSection = nullptr;
    QList<SettingsLineEdit*> m_watchedLineEdits;
    int m_settingsStatus = 0;
    QWidget* m_column = nullptr;
    QSet<QWidget*> m_rows;
    QHash<QWidget*, QWidget*> m_rowSpacers;
};
