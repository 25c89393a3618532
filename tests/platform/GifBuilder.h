#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace corvane::test {

// Writes GIF pictures for tests: a four-colour global table, one graphic
// control extension per frame (delay, disposal, transparent index) and the
// frame's pixels as colour indices. The image data is plain LZW with a
// clear code often enough that codes stay three bits wide.
class GifBuilder {
public:
    struct Colour {
        std::uint8_t red, green, blue;
    };
    struct Frame {
        int x = 0, y = 0, width = 0, height = 0;
        int delayHundredths = 0;
        int disposal = 1;
        int transparentIndex = -1;  // none
        std::vector<std::uint8_t> indices;  // width * height, each 0..3
    };

    GifBuilder(int width, int height, std::vector<Colour> palette, int backgroundIndex = 0)
        : width_(width), height_(height), palette_(std::move(palette)), background_(backgroundIndex)
    {
        palette_.resize(4, Colour{0, 0, 0});
    }

    // A frame over the whole picture in one colour.
    GifBuilder& Solid(std::uint8_t index, int delayHundredths, int disposal = 1)
    {
        Frame frame{0, 0, width_, height_, delayHundredths, disposal, -1, {}};
        frame.indices.assign(static_cast<std::size_t>(width_ * height_), index);
        return Add(std::move(frame));
    }
    GifBuilder& Add(Frame frame)
    {
        frames_.push_back(std::move(frame));
        return *this;
    }

    // The whole file; frameEnds (when given) receives the offset just past
    // each frame's data.
    std::vector<std::uint8_t> Bytes(std::vector<std::size_t>* frameEnds = nullptr) const
    {
        std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
        Word(out, width_);
        Word(out, height_);
        out.push_back(0x81);  // global table of 4 colours
        out.push_back(static_cast<std::uint8_t>(background_));
        out.push_back(0);
        for (const Colour& c : palette_) {
            out.push_back(c.red);
            out.push_back(c.green);
            out.push_back(c.blue);
        }
        if (frames_.size() > 1) {
            const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03,
                0x01, 0x00, 0x00, 0x00};
            out.insert(out.end(), std::begin(loop), std::end(loop));
        }
        for (const Frame& f : frames_) {
            const bool transparent = f.transparentIndex >= 0;
            out.insert(out.end(), {0x21, 0xF9, 0x04});
            out.push_back(static_cast<std::uint8_t>(((f.disposal & 7) << 2) | (transparent ? 1 : 0)));
            Word(out, f.delayHundredths);
            out.push_back(static_cast<std::uint8_t>(transparent ? f.transparentIndex : 0));
            out.push_back(0);
            out.push_back(0x2C);
            Word(out, f.x);
            Word(out, f.y);
            Word(out, f.width);
            Word(out, f.height);
            out.push_back(0);
            Pixels(out, f.indices);
            if (frameEnds != nullptr)
                frameEnds->push_back(out.size());
        }
        out.push_back(0x3B);
        return out;
    }

private:
    static void Word(std::vector<std::uint8_t>& out, int value)
    {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    static void Pixels(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& indices)
    {
        constexpr unsigned kMinCode = 2;
        constexpr unsigned kClear = 1u << kMinCode;
        constexpr unsigned kEnd = kClear + 1;
        constexpr unsigned kWidth = kMinCode + 1;
        std::vector<unsigned> codes{kClear};
        unsigned run = 0;
        for (const std::uint8_t index : indices) {
            codes.push_back(index & 3u);
            // The table grows by one entry per code after the first; a
            // clear before it reaches 8 entries keeps codes 3 bits wide.
            if (++run == (1u << kWidth) - (kClear + 2) - 1) {
                codes.push_back(kClear);
                run = 0;
            }
        }
        codes.push_back(kEnd);
        std::vector<std::uint8_t> packed;
        unsigned bits = 0;
        unsigned count = 0;
        for (const unsigned code : codes) {
            bits |= code << count;
            count += kWidth;
            while (count >= 8) {
                packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
        out.push_back(kMinCode);
        for (std::size_t i = 0; i < packed.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, packed.size() - i);
            out.push_back(static_cast<std::uint8_t>(n));
            out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(i),
                packed.begin() + static_cast<std::ptrdiff_t>(i + n));
        }
        out.push_back(0);
    }

    int width_;
    int height_;
    std::vector<Colour> palette_;
    int background_;
    std::vector<Frame> frames_;
};

}  // namespace corvane::test
