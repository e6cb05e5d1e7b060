#include "ViewSelectionBar.h"

#include "FlatImageButton.h"
#include "TightHBoxLayout.h"

namespace
{
const int kButtonSpacing = 10;
}

ViewSelectionBar::ViewSelectionBar(QWidget* parent)
    : QFrame(parent)
    , m_galleryButton(createButton(QStringLiteral(":/Gallery"), QStringLiteral(":/GalleryHover")))
    , m_listButton(createButton(QStringLiteral(":/List"), QStringLiteral(":/ListHover")))
{
    auto* layout = new TightHBoxLayout(this);
    layout->addWidget(m_galleryButton);
    layout->addSpacing(kButtonSpacing);
    layout->addWidget(m_listButton);

    connect(m_galleryButton, &FlatImageButton::clicked, this, [this] {
        setActiveView(GalleryView);
        emit galleryViewSelected();
    });
    connect(m_listButton, &FlatImageButton::clicked, this, [this] {
        setActiveView(ListView);
        emit listViewSelected();
    });
    setActiveView(GalleryView);
}

// The active view's button keeps its highlighted picture, so the bar shows
// which view is on screen.
FlatImageButton* ViewSelectionBar::createButton(const QString& image, const QString& hoverImage)
{
    auto* button = new FlatImageButton(image, this);
    button->setHoverImage(hoverImage);
    button->setCheckedImage(hoverImage);
    button->setCheckable(true);
    return button;
}

void ViewSelectionBar::setActiveView(int view)
{
    m_activeView = view;
    m_galleryButton->setChecked(view == GalleryView);
    m_listButton->setChecked(view == ListView);
}
