#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// "Change Module Name": asks for a bus module's new name, at most 32
// characters, starting from the name the module has now. The entered name
// is kept only on OK.
class CChangeModuleName : public Dialog {
public:
    static constexpr std::uint32_t kHelpContext = 2161;
    static constexpr std::size_t kNameLimit = 32;

    explicit CChangeModuleName(std::string_view name, Window* parent = nullptr);

    const std::string& Name() const { return name_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::string name_;
};

}  // namespace corvane
