#pragma once

#include "platform/PropertyPage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// "Destination", the FTP sheet's page for the server directory the files
// go to, the transfer mode and whether each session gets a subdirectory
// named by its start time. It works on its own copy of the values, taken
// when it is bound; the host reads them back (Directory, ApplyToOptions)
// on OK. A directory left empty is the server's root, "/".
class CFTPDestPage : public PropertyPage {
public:
    static constexpr std::uint16_t kSubdirectoryBit = 0x1000;
    static constexpr std::uint16_t kPassiveBit = 0x2000;
    static constexpr std::size_t kDirectoryLimit = 45;

    CFTPDestPage();

    // The directory (UTF-8) and the option word to show.
    void Bind(std::string directory, std::uint16_t optionWord);
    // The directory to store: "/" when left empty.
    std::string Directory() const;
    // The option word with the page's bits 12 and 13 set from its choices.
    std::uint16_t ApplyToOptions(std::uint16_t optionWord) const;

protected:
    bool OnKillActive() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    std::string directory_;
    int mode_ = 1;  // 0 active, 1 passive
    int subdirectory_ = 0;
};

}  // namespace corvane
