#include "TestOutput.h"
#include "NetTestIcons.h"
#include "NetTestViews.h"
#include "PlatformTestSupport.h"

#include "netmodel/NetDrawing.h"
#include "platform/Bitmap.h"
#include "platform/BitmapCatalog.h"
#include "platform/DeviceContext.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace icon_drawing_test {
namespace {

using test::GateIcon;
using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

class IconDrawing : public test::PlatformTest {
protected:
    Bitmap Render(const NetObjectView* view)
    {
        Bitmap picture(480, 240);
        picture.Fill({255, 255, 255});
        {
            MemoryContext dc(picture);
            doc.DrawAll(dc, pictures, view);
            dc.Flush();
        }
        return picture;
    }
    CCorvaneDoc doc;
    BitmapCatalog pictures;
};

TEST_F(IconDrawing, DrawsIconsConnectorsAndLinks)
{
    auto& source = Place<SourceIcon>(doc, std::uint16_t{40}, 40, 60);
    auto& gate = Place<GateIcon>(doc, 200, 60);
    auto& relay = Place<RelayIcon>(doc);
    Link(source, 0, gate, 0);
    Link(source, 0, gate, 1);
    Link(gate, 0, relay, 0);

    const Bitmap picture = Render(nullptr);
    const std::filesystem::path png = test::OutputFolder() / "netmodel-icons.png";
    ASSERT_TRUE(picture.SavePng(png));

    // The data output of the source is red, the logic inputs of the gate green.
    const Point output = source.Output(0).HotRect().Centre();
    EXPECT_EQ(picture.PixelAt(output.x, output.y), RgbFromStoredColour(kConnectorRed));
    const Point input = gate.Input(0).HotRect().Centre();
    EXPECT_EQ(picture.PixelAt(input.x, input.y), RgbFromStoredColour(kConnectorGreen));
    // The link leaves the source's output level to the right.
    const Point from = gate.Input(0).LinkEnd();
    int coloured = 0;
    for (int x = from.x + 2; x < from.x + 20; ++x)
        coloured += picture.PixelAt(x, from.y) != RgbColour{255, 255, 255} ? 1 : 0;
    EXPECT_GT(coloured, 10);
    // Something is drawn in each body (the placeholder picture).
    const Rect body = relay.Position();
    EXPECT_NE(picture.PixelAt(body.left + 16, body.top + 16), (RgbColour{255, 255, 255}));
}

TEST_F(IconDrawing, TrackersOnlyInAnActivatedViewForSelectedIcons)
{
    auto& gate = Place<GateIcon>(doc, 200, 60);
    test::FakeObjectView view;
    const Bitmap plain = Render(&view);
    view.selection = {&gate};
    const Bitmap selected = Render(&view);
    const Point corner = gate.Position().TopLeft() - Point{2, 2};
    EXPECT_NE(selected.PixelAt(corner.x, corner.y), plain.PixelAt(corner.x, corner.y));
    view.activated = false;
    EXPECT_EQ(Render(&view).PixelAt(corner.x, corner.y), plain.PixelAt(corner.x, corner.y));
}

}  // namespace
}  // namespace icon_drawing_test
}  // namespace corvane
