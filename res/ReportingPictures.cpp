// The pictures of the reporting and communication icons, in the reporting
// family's colours: memory, probe points, data tags, e-mail, file transfer,
// Modbus and MQTT, with the tall pictures of the cloud icons and the greyed
// palette cells shown when the logger has no network.

#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

constexpr const IconColours& c = kReportingColours;
constexpr Size kIcon{32, 32};
constexpr Size kTall{32, 64};

void MemorySymbol(PicturePainter& p, const Rect& box) { MemoryChip(p, box, colour::kDark, colour::kSilver, "MEM"); }

void ProbeSymbol(PicturePainter& p)
{
    p.Line({3, 26}, {29, 26}, c.ink);
    ProbeTip(p, {9, 25}, 24, colour::kRed, colour::kDarkRed);
    p.Circle({9, 26}, 2, c.accent, c.ink);
}

void EmailSymbol(PicturePainter& p) { Envelope(p, {4, 8, 28, 25}, colour::kWhite, c.ink); }

void FtpSymbol(PicturePainter& p)
{
    IconLabel(p, {3, 2, 29, 13}, "FTP", c.ink, 8.0);
    Folder(p, {5, 14, 27, 29}, colour::kYellow, c.ink);
    Arrow(p, {16, 27}, {16, 17}, c.accent, 2, 4);
}

void MqttSymbol(PicturePainter& p, const Rect& box)
{
    Cloud(p, box, colour::kWhite, c.ink);
    const Rect text{
        box.left + box.Width() / 6, box.top + box.Height() * 9 / 20, box.right - box.Width() / 6, box.bottom - 2};
    IconLabel(p, text, "MQTT", c.accent, 6.5);
}

void Memory(PicturePainter& p)
{
    IconBody(p, c);
    MemorySymbol(p, {5, 6, 27, 27});
}

void ProbePoint(PicturePainter& p)
{
    IconBody(p, c);
    ProbeSymbol(p);
}

void Email(PicturePainter& p)
{
    IconBody(p, c);
    EmailSymbol(p);
}

void Ftp(PicturePainter& p)
{
    IconBody(p, c);
    FtpSymbol(p);
}

void Mqtt(PicturePainter& p)
{
    IconBody(p, c);
    MqttSymbol(p, {2, 4, 30, 27});
}

void ModbusLetters(PicturePainter& p) { p.Label({3, 2, 29, 15}, "MB", c.ink, {10.0, 7.0, 800}); }

void ModbusRegister(PicturePainter& p)
{
    IconBody(p, c);
    ModbusLetters(p);
    Badge(p, {6, 18, 26, 29}, "R/W", c.accent, colour::kWhite);
}

void ModbusRegisterTcp(PicturePainter& p)
{
    IconBody(p, c);
    ModbusLetters(p);
    Badge(p, {5, 18, 27, 29}, "TCP", colour::kBlue, colour::kWhite);
}

void ModbusMap(PicturePainter& p)
{
    IconBody(p, c);
    ModbusLetters(p);
    TableGrid(p, {5, 16, 27, 29}, 2, 3, colour::kWhite, c.ink, c.shade);
}

void Tag(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({2, 7}, {9, 14}, c.ink);
    DataTag(p, {4, 9, 29, 24}, colour::kYellow, c.ink);
    IconLabel(p, {13, 10, 28, 23}, "TAG", c.ink, 6.5);
}

template <void (*draw)(PicturePainter&)> void Greyed(PicturePainter& p)
{
    Bitmap picture(kIcon.width, kIcon.height);
    {
        MemoryContext dc(picture);
        PicturePainter inner(dc);
        draw(inner);
    }
    GreyOut(picture);
    p.Dc().CopyBitmap({0, 0}, picture, kIconRect);
}

// The tall cloud icons: their symbol above the list of data tags they take.
void TallBody(PicturePainter& p)
{
    p.RoundBox({0, 0, 32, 64}, 3, c.body, c.outline);
    p.Line({3, 1}, {28, 1}, Blend(c.body, colour::kWhite, 0.7));
    p.Line({3, 32}, {28, 32}, c.shade);
    for (int i = 0; i < 3; ++i)
        DataTag(p, {5, 36 + i * 9, 27, 43 + i * 9}, i == 0 ? colour::kYellow : colour::kWhite, c.ink);
}

void MemoryNet(PicturePainter& p)
{
    TallBody(p);
    MemorySymbol(p, {5, 5, 27, 28});
}

void ProbeNet(PicturePainter& p)
{
    TallBody(p);
    ProbeSymbol(p);
}

void MqttNet(PicturePainter& p)
{
    TallBody(p);
    MqttSymbol(p, {2, 4, 30, 28});
}

constexpr std::array kPictures{
    PictureEntry{kBitmapModbusRegisterTcp, kIcon, ModbusRegisterTcp},
    PictureEntry{kBitmapPaletteEmailUnavailable, kIcon, Greyed<Email>},
    PictureEntry{kBitmapPaletteFtpUnavailable, kIcon, Greyed<Ftp>},
    PictureEntry{kBitmapPaletteMqttUnavailable, kIcon, Greyed<Mqtt>},
    PictureEntry{kBitmapEmailNet, kIcon, Email},
    PictureEntry{kBitmapFtpNet, kIcon, Ftp},
    PictureEntry{kBitmapMemory, kIcon, Memory},
    PictureEntry{kBitmapProbePoint, kIcon, ProbePoint},
    PictureEntry{kBitmapEmail, kIcon, Email},
    PictureEntry{kBitmapFtp, kIcon, Ftp},
    PictureEntry{kBitmapModbusRegister, kIcon, ModbusRegister},
    PictureEntry{kBitmapDataTag, kIcon, Tag},
    PictureEntry{kBitmapMqtt, kIcon, Mqtt},
    PictureEntry{kBitmapModbusMap, kIcon, ModbusMap},
    PictureEntry{kBitmapProbeNet, kTall, ProbeNet},
    PictureEntry{kBitmapMemoryNet, kTall, MemoryNet},
    PictureEntry{kBitmapMqttNet, kTall, MqttNet},
};

}  // namespace

std::span<const PictureEntry> ReportingPictures() { return kPictures; }

}  // namespace corvane::res
