#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <memory>

namespace corvane {

class CPictureEx;

// "Network Address": an IP address and its subnet mask. The caller sets both
// in network byte order; after OK they hold what the user entered in host
// order (first octet in the most significant byte). OK is refused, with a
// message, until all four fields of both are filled.
class CIpAddressAndSubnet : public Dialog {
public:
    static constexpr std::uint32_t kHelpContext = 2141;

    explicit CIpAddressAndSubnet(Window* parent = nullptr);
    ~CIpAddressAndSubnet() override;

    std::uint32_t GetAddress() const { return address_; }
    void SetAddress(std::uint32_t address) { address_ = address; }
    std::uint32_t GetMask() const { return mask_; }
    void SetMask(std::uint32_t mask) { mask_ = mask; }
    // The animation beside the fields; null until the dialog opens.
    CPictureEx* Picture() const { return picture_.get(); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::uint32_t address_ = 0;
    std::uint32_t mask_ = 0;
    std::unique_ptr<CPictureEx> picture_;
};

}  // namespace corvane
