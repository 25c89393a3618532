#include "icons/reporting/CFTPDestPage.h"

#include "platform/DataExchange.h"
#include "res/FtpDialog.h"
#include "res/ResourceIds.h"

#include <utility>

namespace corvane {

CFTPDestPage::CFTPDestPage() : PropertyPage(res::kFtpDestPage) {}

void CFTPDestPage::Bind(std::string directory, std::uint16_t optionWord)
{
    directory_ = std::move(directory);
    mode_ = (optionWord & kPassiveBit) != 0 ? 1 : 0;
    subdirectory_ = (optionWord & kSubdirectoryBit) != 0 ? 1 : 0;
}

std::string CFTPDestPage::Directory() const { return directory_.empty() ? std::string("/") : directory_; }

std::uint16_t CFTPDestPage::ApplyToOptions(std::uint16_t optionWord) const
{
    std::uint16_t word = optionWord & static_cast<std::uint16_t>(~(kPassiveBit | kSubdirectoryBit));
    if (mode_ == 1)
        word |= kPassiveBit;
    if (subdirectory_ != 0)
        word |= kSubdirectoryBit;
    return word;
}

bool CFTPDestPage::OnKillActive()
{
    if (!PropertyPage::OnKillActive())
        return false;
    if (directory_.empty()) {
        directory_ = std::string(1, '/');
        (void)UpdateData(false);
    }
    return true;
}

void CFTPDestPage::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcFtpActive, mode_);
    DdxText(exchange, res::kIdcFtpDirectory, directory_, kDirectoryLimit);
    DdxCheck(exchange, res::kIdcFtpSubdirectory, subdirectory_);
}

}  // namespace corvane
