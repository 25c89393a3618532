#include "res/Pictures.h"

#include "platform/DeviceContext.h"
#include "res/IconStyle.h"
#include "res/PicturePainter.h"
#include "res/PictureTables.h"

namespace corvane::res {

Bitmap MakePicture(const PictureEntry& entry, bool* labelOverflowed)
{
    Bitmap picture(entry.size.width, entry.size.height);
    bool overflowed = false;
    if (entry.draw != nullptr) {
        MemoryContext dc(picture);
        PicturePainter painter(dc);
        entry.draw(painter);
        overflowed = painter.LabelOverflowed();
    }
    if (entry.keyed) {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.PixelAt(x, y) == colour::kMatte)
                    picture.SetPixel(x, y, colour::kKey);
    }
    if (labelOverflowed != nullptr)
        *labelOverflowed = overflowed;
    return picture;
}

std::vector<PictureEntry> AllPictures()
{
    std::vector<PictureEntry> all;
    for (const auto family :
        {FunctionPictures, HardwarePictures, ReportingPictures, CommWindowPictures, ToolbarPictures, FramePictures}) {
        const std::span<const PictureEntry> entries = family();
        all.insert(all.end(), entries.begin(), entries.end());
    }
    return all;
}

void RegisterPictures(BitmapCatalog& catalog)
{
    for (const PictureEntry& entry : AllPictures())
        catalog.Register(entry.id, [entry] { return MakePicture(entry); });
}

void RegisterCursors(CursorCatalog& catalog)
{
    for (const CursorEntry& entry : CursorPictures()) {
        catalog.Register(entry.id, [entry] {
            const Bitmap picture = MakePicture({entry.id, kCursorSize, entry.draw, true});
            return Cursor::FromColourKey(picture, colour::kKey, entry.hotSpot);
        });
    }
}

}  // namespace corvane::res
