#pragma once

#include <QFrame>

class FlatImageButton;

// The footer's switch between the gallery and the list view.
class ViewSelectionBar : public QFrame
{
    Q_OBJECT

public:
    enum View
    {
        GalleryView = 1,
        ListView = 2
    };

    explicit ViewSelectionBar(QWidget* parent = nullptr);

    int getActiveView() const { return m_activeView; }
    // Makes the view active and says so, as a click on its button does.
    void selectView(int view);
    FlatImageButton* galleryButton() const { return m_galleryButton; }
    FlatImageButton* listButton() const { return m_listButton; }

signals:
    void galleryViewSelected();
    void listViewSelected();

private:
    FlatImageButton* createButton(const QString& image, const QString& hoverImage, const QString& name);

    FlatImageButton* m_galleryButton;
    FlatImageButton* m_listButton;
    int m_activeView = GalleryView;
};
