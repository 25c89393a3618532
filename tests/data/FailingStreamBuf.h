#pragma once

#include <algorithm>
#include <cstring>
#include <ios>
#include <istream>
#include <streambuf>
#include <string>

namespace corvane::test {

// Serves the bytes of a string and fails once a read reaches failAt: the
// read before it comes back short, then the buffer either throws (as a
// file stream does on a read error) or marks its stream bad and gives
// nothing.
class FailingStreamBuf : public std::streambuf {
public:
    enum class Failure { Throws, SetsBad };

    FailingStreamBuf(std::string bytes, std::size_t failAt, Failure failure)
        : bytes_(std::move(bytes)), failAt_(std::min(failAt, bytes_.size())), failure_(failure)
    {}
    void Attach(std::istream& stream) { stream_ = &stream; }

protected:
    std::streamsize xsgetn(char* into, std::streamsize count) override
    {
        if (position_ == failAt_) {
            if (failure_ == Failure::Throws)
                throw std::ios_base::failure("read error");
            if (stream_ != nullptr)
                stream_->setstate(std::ios::badbit);
            return 0;
        }
        const std::size_t take = std::min(static_cast<std::size_t>(count), failAt_ - position_);
        std::memcpy(into, bytes_.data() + position_, take);
        position_ += take;
        return static_cast<std::streamsize>(take);
    }

private:
    std::string bytes_;
    std::size_t failAt_;
    Failure failure_;
    std::size_t position_ = 0;
    std::istream* stream_ = nullptr;
};

}  // namespace corvane::test
