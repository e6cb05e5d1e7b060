#include "ViewSelectionBar.h"

#include "FlatImageButton.h"
#include "TightHBoxLayout.h"

namespace
{
const int kButtonSpacing = 10;
}

ViewSelectionBar::ViewSelectionBar(QWidget* parent)
    : QFrame(parent)
    , m_galleryButton(createButton(QStringLiteral(":/Gallery"), QStringLiteral(":/GalleryHover"), tr("Gallery view")))
    , m_listButton(createButton(QStringLiteral(":/List"), QStringLiteral(":/ListHover"), tr("List view")))
{
    auto* layout = new TightHBoxLayout(this);
    layout->addWidget(m_galleryButton);
    layout->addSpacing(kButtonSpacing);
    layout->addWidget(m_listButton);

    connect(m_galleryButton, &FlatImageButton::clicked, this, [this] { selectView(GalleryView); });
    connect(m_listButton, &FlatImageButton::clicked, this, [this] { selectView(ListView); });
}

// The hover picture shows under the pointer only: the view on screen already
// says which one is active.
FlatImageButton* ViewSelectionBar::createButton(const QString& image, const QString& hoverImage, const QString& name)
{
    auto* button = new FlatImageButton(image, this);
    button->setHoverImage(hoverImage);
    button->setAccessibleName(name);
    return button;
}

void ViewSelectionBar::selectView(int view)
{
    m_activeView = view;
    if (view == GalleryView)
        emit galleryViewSelected();
    else
        emit listViewSelected();
}
