#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QVBoxLayout;

// A titled part of a settings tab. The section holds its rows, so that it
// can be shown or hidden whole; a row hidden on its own stays hidden.
class CardSection : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 30;
    static constexpr int kLeadingSpace = 28;
    static constexpr int kHairlineWidth = 560;

    explicit CardSection(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    // Space and a hairline above the title, for every section but a tab's first.
    void setLeadingSeparator(bool separated);
    bool hasLeadingSeparator() const { return m_separator != nullptr; }
    // A button at the right end of the title line.
    void setTitleButton(QAbstractButton* button);
    QAbstractButton* titleButton() const { return m_button; }

    void addRowWidget(QWidget* widget, bool isRow);
    void forgetRow(QWidget* row);
    const QList<QWidget*>& rows() const { return m_rows; }
    bool hasRows() const { return !m_rows.isEmpty(); }

private:
    QString m_title;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_titleLine = nullptr;
    QWidget* m_separator = nullptr;
    QAbstractButton* m_button = nullptr;
    QList<QWidget*> m_rows;
};
