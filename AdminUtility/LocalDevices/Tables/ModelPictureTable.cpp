#include "ModelPictureTable.h"

namespace {

struct ModelPictureSet
{
    uint8_t modelId;
    // The picture set word W: resources ":/W", ":/WThumb", ":/WListThumb".
    // Empty for a model that is listed but has no picture.
    const char* word;
};

// Models missing here (0, 17, 20, 23, 24, 25, 42, 74) have no picture entry at all.
const ModelPictureSet kModelPictureSets[] = {
    { 1, "CoreSDI"},
    { 2, "CoreHDMI"},
    { 3, "StudioHD"},
    { 4, "CoreSDI"},
    { 5, "StudioPro"},
    { 6, "CaptureSD"},
    { 7, "CaptureHD"},
    { 8, "PlayoutHD"},
    { 9, "CoreDuo"},
    {10, "StudioFibre"},
    {11, "CoreFibre"},
    {12, ""},
    {13, "ShuttleHD"},
    {14, "BoltHD"},
    {15, "RackHD"},
    {16, "HomeHDMI"},
    {18, "StudioQuad"},
    {19, "ShuttleMini"},
    {21, "Core4K"},
    {22, "Studio4K"},
    {26, ""},
    {27, "CaptureHD"},
    {28, "CoreQuad"},
    {29, ""},
    {30, "HomeRecorder"},
    {31, "Bolt4K"},
    {32, "Rack4K"},
    {33, "RackFibre"},
    {34, "CoreOcto"},
    {35, "Capture4K"},
    {36, "Playout4K"},
    {37, "Shuttle4K"},
    {38, "BoltStudio"},
    {39, ""},
    {40, "RackFibre"},
    {41, "CoreDuo"},
    {43, "CoreHDMI"},
    {44, "CaptureSD"},
    {45, "BoltMini"},
    {46, "Studio4K"},
    {47, "CoreQuad"},
    {48, "Bolt4K"},
    {49, "ShuttleHD"},
    {50, "CoreFibre"},
    {51, "StudioFibre"},
    {52, "Rack4K"},
    {53, "HomeHDMI"},
    {54, "Capture4K"},
    {55, "Playout4K"},
    {56, ""},
    {57, "StudioHD"},
    {58, "ShuttleMini"},
    {59, "CoreOcto"},
    {60, "CoreSDI"},
    {61, "StudioQuad"},
    {62, "BoltMini"},
    {63, "CaptureHD"},
    {64, "RackHD"},
    {65, "CoreDuo"},
    {66, "ShuttleHD"},
    {67, "BoltHD"},
    {68, "StudioPro"},
    {69, "CoreQuad"},
    {70, "HomeStream"},
    {71, "StudioPro"},
    {72, "Core4K"},
    {73, "RackFibre"},
    {75, "CoreHDMI"},
    {76, "PlayoutHD"},
    {77, "HomeHDMI"},
    {78, "StudioHD"},
    {79, "HomeRecorder"},
    {80, "Capture4K"},
    {81, "BoltStudio"},
    {82, "Shuttle4K"},
    {83, "CoreFibre"},
    {84, "Studio4K"},
    {85, "HomeHDMI"},
    {86, "HomeRecorder"},
};

ModelIcons iconsOf(const QString& word)
{
    if (word.isEmpty())
        return ModelIcons();
    const QString image = QStringLiteral(":/") + word;
    return {image, image + QStringLiteral("Thumb"), image + QStringLiteral("ListThumb")};
}

} // namespace

void fillModelImages(QMap<uint64_t, ModelIcons>& images)
{
    images.clear();
    for (const ModelPictureSet& set : kModelPictureSets)
        images.insert(set.modelId, iconsOf(QString::fromLatin1(set.word)));
}
