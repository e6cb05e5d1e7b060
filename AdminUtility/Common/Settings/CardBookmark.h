#pragma once

#include <QWidget>

// A titled mark in a long tab that the "Jump to" menu scrolls to.
class CardBookmark : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 36;

    explicit CardBookmark(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }

private:
    QString m_title;
};
