#include "icons/reporting/CFTPSheet.h"

#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/CFTPDestPage.h"
#include "icons/reporting/CTagPickerPage.h"

#include <memory>

namespace corvane {

CFTPSheet::CFTPSheet()
    : PropertySheet(""),
      dest_(AddPage(std::make_unique<CFTPDestPage>())),
      attach_(AddPage(std::make_unique<CEmailAttachPage>())),
      picker_(AddPage(std::make_unique<CTagPickerPage>()))
{}

CFTPSheet::~CFTPSheet() = default;

}  // namespace corvane
